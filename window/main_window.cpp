#include "main_window.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <exception>

#include "announcer.h"
#include "coloured_button.h"
#include "colours.h"
#include "commands.h"
#include "form_contents.h"
#include "input_validator.h"
#include "prime_list.h"
#include "twips.h"
#include "wayland_fixed_size.h"

namespace {

const QString kCaption = QStringLiteral("https://www.example.org Информатика - функция на Ойлер");
constexpr QSize kClientSize = SizeFromTwips(6930, 5175);

const QColor kWindowColour(192, 192, 255);
const QColor kLabelColour(255, 192, 128);
const QColor kCheckColour(128, 255, 128);
const QColor kClearColour(255, 0, 0);

// Gives `widget` a fixed background colour in `backgroundRole` and keeps its
// text in `textRole` readable on it under any desktop theme: the theme's own
// text colour where it is readable there, black or white where not.
void Paint(QWidget* widget, const QColor& background,
           QPalette::ColorRole backgroundRole = QPalette::Window,
           QPalette::ColorRole textRole = QPalette::WindowText) {
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, background);
    const euler::Rgb text =
        euler::ReadableTextColour(ToRgb(background), ToRgb(palette.color(textRole)));
    palette.setColor(textRole, ToQColor(text));
    widget->setPalette(palette);
}

// Reading the icon as PNG outright spares Qt from loading every image format
// plugin to guess what the file holds.
QPixmap ProgramIcon() {
    QImageReader reader(QStringLiteral(":/icons/euler.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QString ToQString(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// A text box keeps its lines apart without CR, while the program's texts end
// each line with CR LF; these two restore one from the other.
QString ShownLines(std::u32string_view text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::u32string ProgramLines(QString shown) {
    return shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdU32String();
}

}  // namespace

QFont MainWindow::Font() {
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      decimalSeparator_(QLocale().decimalPoint().toStdU32String()) {
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    setFont(Font());
    Paint(this, kWindowColour);
    setAutoFillBackground(true);
    setFixedSize(kClientSize);
    WaylandFixedSize::Keep(this);
    move(screen()->availableGeometry().center() - rect().center());

    createControls();
    text1_[0]->setFocus();
    handle([this] { euler::OnLoad(*this); });
}

void MainWindow::createControls() {
    const auto place = [](QWidget* control, const QString& name, const QRect& rect) {
        control->setObjectName(name);
        control->setGeometry(rect);
    };
    const auto makeTextBox = [&](const QString& name, const QRect& rect,
                                 std::u32string_view contents) {
        auto* box = new QPlainTextEdit(this);
        place(box, name, rect);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setTabChangesFocus(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setPlainText(ShownLines(contents));
        return box;
    };
    const auto makeLabel = [&](const QString& name, const QRect& rect, const QString& caption) {
        auto* label = new QLabel(caption, this);
        place(label, name, rect);
        label->setAlignment(Qt::AlignCenter);
        Paint(label, kLabelColour);
        label->setAutoFillBackground(true);
        return label;
    };
    const auto makeButton = [&](const QString& name, const QRect& rect, const QString& caption,
                                const QColor& face) {
        auto* button = new ColouredButton(caption, this);
        place(button, name, rect);
        Paint(button, face, QPalette::Button, QPalette::ButtonText);
        return button;
    };

    // Created in tab order.
    text1_[0] = makeTextBox(QStringLiteral("Text1(0)"), RectFromTwips(120, 3240, 6735, 1815),
                            euler::TaskText());
    text1_[1] = makeTextBox(QStringLiteral("Text1(1)"), RectFromTwips(2040, 4680, 6735, 1815),
                            euler::Quotation());
    text1_[1]->hide();
    label1_[0] = makeLabel(QStringLiteral("Label1(0)"), RectFromTwips(960, 0, 4575, 375),
                           QStringLiteral("Ойлер - просто число"));

    list1_ = new PrimeList(this);
    place(list1_, QStringLiteral("List1"), RectFromTwips(240, 960, 855, 2055));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setUniformItemSizes(true);  // one entry's size stands for all 168
    for (const std::u32string& entry : euler::PrimeEntries()) {
        list1_->addItem(ToQString(entry));
    }

    label1_[1] = makeLabel(QStringLiteral("Label1(1)"), RectFromTwips(240, 600, 855, 375),
                           QStringLiteral("прости"));

    text2_ = new QLineEdit(this);
    place(text2_, QStringLiteral("Text2"), RectFromTwips(2880, 720, 1215, 405));
    text2_->setValidator(new InputValidator(text2_));
    text2_->setAlignment(Qt::AlignCenter);

    label1_[2] = makeLabel(QStringLiteral("Label1(2)"), RectFromTwips(1680, 720, 1215, 375),
                           QStringLiteral("N [0..30]: "));
    command1_[euler::kCheckCommand] =
        makeButton(QStringLiteral("Command1(0)"), RectFromTwips(1800, 1440, 2415, 495),
                   QStringLiteral("Въведи"), kCheckColour);
    command1_[euler::kClearCommand] =
        makeButton(QStringLiteral("Command1(1)"), RectFromTwips(4320, 2400, 2415, 495),
                   QStringLiteral("Чисти"), kClearColour);

    // Each label overlaps its control's frame by a pixel; the frame stays whole.
    for (QLabel* label : label1_) {
        label->lower();
    }

    announcer_ = new Announcer(this);

    connect(command1_[euler::kCheckCommand], &QPushButton::clicked, this,
            &MainWindow::checkClicked);
    connect(command1_[euler::kClearCommand], &QPushButton::clicked, this,
            &MainWindow::clearClicked);
    describeControls();
}

// What a screen reader says of each control. The labels name the list and
// the input box for it too.
void MainWindow::describeControls() {
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(text1_[0], QStringLiteral("Условие и изчисление"),
             QStringLiteral("Условието на задачата, а след проверка изчислението и полученото "
                            "число"));
    describe(list1_, QStringLiteral("Прости числа под 1000"),
             QStringLiteral("Всички 168 прости числа под 1000; след проверка полученото число е "
                            "маркирано"));
    describe(text2_, QStringLiteral("N от 0 до 30"),
             QStringLiteral("Въведете естествено число N от 0 до 30 и натиснете „Въведи“"));
    describe(command1_[euler::kCheckCommand], QStringLiteral("Въведи"),
             QStringLiteral("Изчислява N*(N+1)+41 и маркира полученото число в списъка"));
    describe(command1_[euler::kClearCommand], QStringLiteral("Чисти"),
             QStringLiteral("Изчиства въведеното число, маркировката и изчислението"));
    label1_[1]->setBuddy(list1_);
    label1_[2]->setBuddy(text2_);
}

void MainWindow::checkClicked() {
    handle([this] { euler::OnCommand(*this, euler::kCheckCommand); });
}

void MainWindow::clearClicked() {
    handle([this] { euler::OnCommand(*this, euler::kClearCommand); });
}

// No failure may cross Qt's event loop: the user is told what went wrong, the
// writes done so far stay, and the program goes on.
template <typename Event>
void MainWindow::handle(Event event) {
    QString failure;
    try {
        event();
        return;
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("неизвестна грешка");
    }
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Командата не можа да завърши:\n%1").arg(failure));
}

std::u32string MainWindow::inputText() const {
    return text2_->text().toStdU32String();
}

void MainWindow::setInputText(std::u32string_view text) {
    text2_->setText(ToQString(text.substr(0, euler::kInputMaxLength)));
}

std::u32string MainWindow::transcript() const {
    return ProgramLines(text1_[0]->toPlainText());
}

void MainWindow::setTranscript(std::u32string_view text) {
    text1_[0]->setPlainText(ShownLines(text));
}

std::int16_t MainWindow::entryCount() const {
    return static_cast<std::int16_t>(list1_->count());
}

std::u32string MainWindow::entry(std::int16_t index) const {
    euler::RequireEntryIndex(index, entryCount());
    return list1_->item(index)->text().toStdU32String();
}

void MainWindow::setSelection(std::int16_t index) {
    euler::RequireSelectionIndex(index, entryCount());
    // The new current row is the only one selected, scrolled into view.
    list1_->setCurrentRow(index);
}

std::u32string MainWindow::decimalSeparator() const {
    return decimalSeparator_;
}

void MainWindow::announce(std::u32string_view text) {
    announcer_->announce(ToQString(text));
}
