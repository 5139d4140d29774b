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
#include "commands.h"
#include "form_contents.h"
#include "form_layout.h"
#include "form_look.h"
#include "input_validator.h"
#include "prime_list.h"
#include "wayland_fixed_size.h"

namespace {

// Gives `widget` a fixed background colour in `backgroundRole` and keeps its
// text in `textRole` readable on it under any desktop theme: the theme's own
// text colour where it is readable there, black or white where not.
void Paint(QWidget* widget, const euler::Rgb& background,
           QPalette::ColorRole backgroundRole = QPalette::Window,
           QPalette::ColorRole textRole = QPalette::WindowText) {
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, ToQColor(background));
    palette.setColor(
        textRole, ToQColor(euler::ReadableTextColour(background, ToRgb(palette.color(textRole)))));
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

QString ControlName(euler::ControlIndex index) {
    const std::string_view name = euler::kControls[index].name;
    return QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

QRect ToQRect(const euler::Place& twips) {
    const euler::Place pixels = euler::InPixels(twips);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      decimalSeparator_(QLocale().decimalPoint().toStdU32String()) {
    setWindowTitle(ToQString(euler::kWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(FormFont());
    Paint(this, euler::kWindowColour);
    setAutoFillBackground(true);
    setFixedSize(ToQRect(euler::kClientArea).size());
    WaylandFixedSize::Keep(this);
    move(screen()->availableGeometry().center() - rect().center());

    createControls();
    text1_[0]->setFocus();
    handle([this] { euler::OnLoad(*this); });
}

void MainWindow::createControls() {
    // Names, places and what a screen reader says of each control come from
    // the window's description.
    const auto place = [](QWidget* control, euler::ControlIndex index) {
        const euler::Control& described = euler::kControls[index];
        control->setObjectName(ControlName(index));
        control->setGeometry(ToQRect(described.place));
        control->setAccessibleName(ToQString(described.accessibleName));
        control->setAccessibleDescription(ToQString(described.accessibleDescription));
        control->setVisible(described.shown);
    };
    const auto makeTextBox = [&](euler::ControlIndex index, std::u32string_view contents) {
        auto* box = new QPlainTextEdit(this);
        place(box, index);
        box->setReadOnly(true);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setTabChangesFocus(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setPlainText(ToQString(euler::ShownLines(contents)));
        return box;
    };
    // A label names the control before it in tab order.
    const auto makeLabel = [&](euler::ControlIndex index) {
        const euler::Control& described = euler::kControls[index];
        auto* label = new QLabel(ToQString(described.caption), this);
        place(label, index);
        label->setAlignment(Qt::AlignCenter);
        Paint(label, described.background);
        label->setAutoFillBackground(true);
        if (described.labelled != euler::kNoControl) {
            label->setBuddy(findChild<QWidget*>(ControlName(described.labelled)));
        }
        return label;
    };
    const auto makeButton = [&](euler::ControlIndex index) {
        const euler::Control& described = euler::kControls[index];
        auto* button = new ColouredButton(ToQString(described.caption), this);
        place(button, index);
        Paint(button, described.background, QPalette::Button, QPalette::ButtonText);
        return button;
    };

    // Created in tab order.
    text1_[0] = makeTextBox(euler::kTranscriptBox, euler::TaskText());
    text1_[1] = makeTextBox(euler::kQuotationBox, euler::Quotation());
    label1_[0] = makeLabel(euler::kTitleLabel);

    list1_ = new PrimeList(this);
    place(list1_, euler::kPrimeList);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setUniformItemSizes(true);  // one entry's size stands for all 168
    for (const std::u32string& entry : euler::PrimeEntries()) {
        list1_->addItem(ToQString(entry));
    }
    label1_[1] = makeLabel(euler::kPrimeListLabel);

    text2_ = new QLineEdit(this);
    place(text2_, euler::kInputBox);
    text2_->setValidator(new InputValidator(text2_));
    text2_->setAlignment(Qt::AlignCenter);
    label1_[2] = makeLabel(euler::kInputLabel);

    command1_[euler::kCheckCommand] = makeButton(euler::kCheckButton);
    command1_[euler::kClearCommand] = makeButton(euler::kClearButton);

    // Each label overlaps its control's frame by a pixel; the frame stays whole.
    for (QLabel* label : label1_) {
        label->lower();
    }

    announcer_ = new Announcer(this);

    connect(command1_[euler::kCheckCommand], &QPushButton::clicked, this,
            &MainWindow::checkClicked);
    connect(command1_[euler::kClearCommand], &QPushButton::clicked, this,
            &MainWindow::clearClicked);
}

void MainWindow::checkClicked() {
    handle([this] { euler::OnCommand(*this, euler::kCheckCommand); });
}

void MainWindow::clearClicked() {
    handle([this] { euler::OnCommand(*this, euler::kClearCommand); });
}

// No failure may cross Qt's event loop: the pupil is told, in Bulgarian, that
// the command did not finish, the writes done so far stay, and the program
// goes on. What failed goes to the standard error, for whoever looks after
// the machine.
template <typename Event>
void MainWindow::handle(Event event) {
    try {
        event();
        return;
    } catch (const std::exception& error) {
        qWarning("A command of the window failed: %s", error.what());
    } catch (...) {
        qWarning("A command of the window failed");
    }
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Командата не можа да завърши. Програмата продължава "
                                         "да работи с това, което е показано."));
}

std::u32string MainWindow::inputText() const {
    return text2_->text().toStdU32String();
}

void MainWindow::setInputText(std::u32string_view text) {
    text2_->setText(ToQString(text.substr(0, euler::kInputMaxLength)));
}

std::u32string MainWindow::transcript() const {
    return euler::ProgramLines(text1_[0]->toPlainText().toStdU32String());
}

void MainWindow::setTranscript(std::u32string_view text) {
    text1_[0]->setPlainText(ToQString(euler::ShownLines(text)));
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
    list1_->showAnswer(index);
}

std::u32string MainWindow::decimalSeparator() const {
    return decimalSeparator_;
}

void MainWindow::announce(std::u32string_view text) {
    announcer_->announce(ToQString(text));
}
