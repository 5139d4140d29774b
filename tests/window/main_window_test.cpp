#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "contrast.h"
#include "digest.h"
#include "drawn_colours.h"
#include "expected_layout.h"
#include "form_contents.h"
#include "form_look.h"
#include "list_cursor.h"
#include "main_window.h"
#include "user_input.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Show(window); }

    static void Show(QWidget& shown) {
        shown.show();
        shown.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
    }

    template <typename Control>
    Control* control(const char* name) {
        return FindControl<Control>(window, name);
    }
    QLineEdit* input() { return control<QLineEdit>("Text2"); }
    QPlainTextEdit* transcriptBox() { return control<QPlainTextEdit>("Text1(0)"); }
    QListWidget* list() { return control<QListWidget>("List1"); }

    void type(const QString& keys) {
        QTest::mouseClick(input(), Qt::LeftButton);
        TypeInto(input(), keys);
    }
    void click(const char* button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    QStringList selectedEntries() {
        QStringList texts;
        for (const QListWidgetItem* item : list()->selectedItems()) {
            texts << item->text();
        }
        return texts;
    }

    MainWindow window;
};

TEST_F(MainWindowTest, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(window.size(), kClientArea);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    for (const ExpectedPlace& expected : kExpectedPlaces) {
        EXPECT_EQ(control<QWidget>(expected.control)->geometry(), expected.place)
            << expected.control;
    }
}

TEST_F(MainWindowTest, CaptionsAreThePrograms) {
    QStringList captions{window.windowTitle()};
    for (const char* label : {"Label1(0)", "Label1(1)", "Label1(2)"}) {
        captions << control<QLabel>(label)->text();
    }
    for (const char* button : {"Command1(0)", "Command1(1)"}) {
        captions << control<QPushButton>(button)->text();
    }
    const QByteArray bytes = captions.join(QLatin1Char('|')).toUtf8();
    EXPECT_EQ(bytes.size(), 165) << "a caption changed";
    EXPECT_EQ(Digest(bytes.toStdString()), 0x8f32d708635e9799u) << "a caption changed";
}

TEST_F(MainWindowTest, OpensCentredOnTheScreen) {
    // The frame is drawn after the window is placed, so the window itself is
    // centred and the frame may shift it by its own width.
    const QPoint offset =
        window.geometry().center() - window.screen()->availableGeometry().center();
    const QSize frame = window.frameGeometry().size() - window.size();
    EXPECT_LE(std::abs(offset.x()), frame.width() / 2 + 1) << offset.x();
    EXPECT_LE(std::abs(offset.y()), frame.height() + 1) << offset.y();
}

TEST_F(MainWindowTest, IconIsA32PixelDrawingWithA256ColourPalette) {
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(32, 32)));
    const QImage icon(QStringLiteral(":/icons/euler.png"));
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_EQ(icon.colorCount(), 256);
}

TEST_F(MainWindowTest, DrawsItsColours) {
    const QImage frame = window.grab().toImage();
    const auto colourAt = [&](const char* name, QPoint inside) {
        return QColor(frame.pixel(control<QWidget>(name)->geometry().topLeft() + inside));
    };
    EXPECT_EQ(QColor(frame.pixel(4, 4)), QColor(192, 192, 255)) << "window";
    for (const char* label : {"Label1(0)", "Label1(1)", "Label1(2)"}) {
        EXPECT_EQ(colourAt(label, {2, 2}), QColor(255, 192, 128)) << label;
    }
    EXPECT_EQ(colourAt("Command1(0)", {6, 6}), QColor(128, 255, 128));
    EXPECT_EQ(colourAt("Command1(1)", {6, 6}), QColor(255, 0, 0));
    // The boxes keep the platform's colours; their right ends hold no text.
    const QWidget* boxes[] = {control<QLineEdit>("Text2"), list()->viewport()};
    for (const QWidget* box : boxes) {
        const QPoint spot = box->mapTo(&window, QPoint(box->width() - 4, box->height() / 2));
        EXPECT_EQ(QColor(frame.pixel(spot)), box->palette().color(QPalette::Base));
    }
}

TEST_F(MainWindowTest, LabelsLieBeneathTheFramesTheyOverlap) {
    const struct {
        const char* label;
        const char* control;
    } neighbours[] = {{"Label1(1)", "List1"}, {"Label1(2)", "Text2"}};
    for (const auto& n : neighbours) {
        const QRect shared = control<QLabel>(n.label)->geometry().intersected(
            control<QWidget>(n.control)->geometry());
        ASSERT_FALSE(shared.isEmpty()) << n.label;
        EXPECT_EQ(qobject_cast<QLabel*>(window.childAt(shared.center())), nullptr) << n.label;
    }
}

TEST(MainWindowTheme, TextOnTheFixedBackgroundsStaysReadableUnderADarkTheme) {
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage frame = window.grab().toImage();
    QApplication::setPalette(saved);

    for (const char* name : {"Label1(0)", "Label1(1)", "Label1(2)", "Command1(0)", "Command1(1)"}) {
        // Inside the edge of a button, whose darker line is no text.
        const QRect inside = window.findChild<QWidget*>(name)->geometry().adjusted(3, 3, -3, -3);
        EXPECT_GE(BestContrast(frame, inside, PixelColour(frame, inside.topLeft())),
                  euler::kReadableContrast)
            << name;
    }
}

// Each run of these tests names its locale. Where the system lacks that
// locale, the C library stays in the C locale while Qt still reads its name,
// and a run "in Bulgarian" would prove nothing about the decimal comma.
TEST(TestLocale, IsTheOneTheRunNames) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Windows program takes its locale from the user's settings";
#else
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), std::getenv("LC_ALL"))
        << "the locale is missing: run scripts/install-deps.sh --tests";
    EXPECT_EQ(QString::fromLocal8Bit(std::localeconv()->decimal_point), QLocale().decimalPoint());
#endif
}

TEST_F(MainWindowTest, TheApplicationHasTheWindowsFont) {
    EXPECT_EQ(QApplication::font().family(), FormFont().family());
    EXPECT_EQ(QApplication::font().pointSizeF(), FormFont().pointSizeF());
}

TEST_F(MainWindowTest, QtsOwnTextsAreBulgarian) {
    const std::unique_ptr<QMenu> menu(input()->createStandardContextMenu());
    ASSERT_FALSE(menu->actions().isEmpty());
    const QString undo = menu->actions().front()->text();
    EXPECT_NE(undo, "&Undo");
    EXPECT_TRUE(undo.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))))
        << undo.toStdString();
}

TEST_F(MainWindowTest, EveryControlUsesTimesNewRomanOrItsMetricTwinWithCyrillicGlyphs) {
#ifdef EULER_NO_TIMES_TWIN
    GTEST_SKIP() << "Liberation Serif is missing: install the Debian package fonts-liberation2";
#endif
    QString shownTexts = QString::fromStdU32String(euler::TaskText()) +
                         QString::fromStdU32String(euler::Quotation()) +
                         QStringLiteral("Изчислявам: Изчисленото число е: ?");
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        shownTexts += label->text();
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        shownTexts += button->text();
    }
    // Faces with the metrics of Times New Roman: Debian's fonts-liberation2
    // and fonts-croscore; the system prefers one of them.
    const QStringList timesMetric = {"Times New Roman", "Liberation Serif", "Tinos"};
    for (const QWidget* widget :
         window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(widget->objectName().toStdString());
        const QFontInfo font(widget->font());
        EXPECT_TRUE(timesMetric.contains(font.family())) << font.family().toStdString();
        EXPECT_EQ(font.pointSize(), 12);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    }
    const QFontMetrics metrics(window.font());
    for (const char32_t c : shownTexts.toStdU32String()) {
        if (c != U'\r' && c != U'\n') {
            EXPECT_TRUE(metrics.inFontUcs4(c)) << "no glyph for U+" << std::hex << unsigned(c);
        }
    }
}

TEST_F(MainWindowTest, StartsWithTheTaskTextAndTheQuotationHidden) {
    EXPECT_EQ(transcriptBox()->toPlainText(), Shown(euler::TaskText()));
    EXPECT_EQ(input()->text(), QString());
    EXPECT_TRUE(selectedEntries().isEmpty());
    EXPECT_EQ(list()->count(), 168);
    const auto* quotation = control<QPlainTextEdit>("Text1(1)");
    EXPECT_FALSE(quotation->isVisible());
    EXPECT_EQ(quotation->toPlainText(), Shown(euler::Quotation()));
}

TEST_F(MainWindowTest, ScrollBarReachesAllElevenLinesOfTheTaskText) {
    QPlainTextEdit* box = transcriptBox();
    QScrollBar* bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the task text should not fit the box";
    const auto visibleLines = [box] {
        QSet<int> lines;
        for (int y = 0; y < box->viewport()->height(); ++y) {
            lines.insert(box->cursorForPosition({2, y}).blockNumber());
        }
        return lines;
    };
    EXPECT_TRUE(visibleLines().contains(0));
    EXPECT_FALSE(visibleLines().contains(10));
    bar->setValue(bar->maximum());
    EXPECT_TRUE(visibleLines().contains(10));
}

TEST_F(MainWindowTest, FocusStartsOnTheTranscriptAndTabVisitsTheControlsInOrder) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Text1(0)");
    const QStringList order = {"List1", "Text2", "Command1(0)", "Command1(1)", "Text1(0)"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << label->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, InputBoxCentresItsTextAndRefusesAThirdCharacter) {
    EXPECT_EQ(input()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    // Characters outside the Basic Multilingual Plane count as one, as in the
    // logic, and a paste is never cut inside one.
    const struct {
        QString entered;
        bool pasted;
        QString kept;
    } cases[] = {
        {"123", false, "12"},
        {"абв", false, "аб"},
        {"5", false, "5"},
        {"98765", true, "98"},
        {"1\U0001D7D3", true, "1\U0001D7D3"},
        {"\U0001D465yz", true, "\U0001D465y"},
    };
    for (const auto& c : cases) {
        input()->clear();
        if (c.pasted) {
            QApplication::clipboard()->setText(c.entered);
            QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        } else {
            type(c.entered);
        }
        EXPECT_EQ(input()->text(), c.kept) << c.entered.toStdString();
    }
    input()->clear();
    type("12");
    QTest::keyClick(input(), Qt::Key_Left);
    TypeInto(input(), "3");
    EXPECT_EQ(input()->text(), "12") << "a third character typed between the two";
    // A refused keystroke changes nothing: in «11» with the cursor in front, a
    // third «1» leaves the cursor there, and an undo still takes back the
    // typing before it.
    input()->clear();
    type("11");
    QTest::keyClick(input(), Qt::Key_Home);
    TypeInto(input(), "1");
    EXPECT_EQ(input()->text(), "11");
    EXPECT_EQ(input()->cursorPosition(), 0);
    ASSERT_TRUE(input()->isUndoAvailable());
    QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_LT(input()->text().size(), 2);
    window.setInputText(U"\U0001D465y");
    EXPECT_EQ(window.inputText(), U"\U0001D465y");
}

// The box centres its line: with a font whose line and the box's frame do not
// fit in it, the typed number would be drawn outside the box and not be seen.
TEST_F(MainWindowTest, InputBoxHasRoomForALineOfItsFont) {
    EXPECT_LE(input()->sizeHint().height(), input()->height())
        << QFontInfo(input()->font()).family().toStdString();
}

TEST_F(MainWindowTest, TranscriptReadsBackExactlyWhatWasWritten) {
    const std::u32string texts[] = {euler::TaskText(), U"", U"Изчислявам: 5*6+41\r\n",
                                    U"Изчислявам: 5*6+41\r\nИзчисленото число е: 71\r\n"};
    for (const std::u32string& text : texts) {
        window.setTranscript(text);
        EXPECT_EQ(window.transcript(), text);
    }
}

TEST_F(MainWindowTest, CheckOfFiveHighlightsSeventyOneAndScrollsItIntoView) {
    type("5");
    click("Command1(0)");
    EXPECT_EQ(transcriptBox()->toPlainText(), "Изчислявам: 5*6+41\nИзчисленото число е: 71\n");
    EXPECT_EQ(selectedEntries(), QStringList{"71"});
    list()->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(list()->currentRow(), 19) << "the list's cursor, once it has the focus, is on 71";
    EXPECT_EQ(selectedEntries(), QStringList{"71"});
    const QRect shown = list()->visualItemRect(list()->item(19));
    EXPECT_TRUE(list()->viewport()->rect().contains(shown));
}

TEST_F(MainWindowTest, NOutsideTheIntervalIsAnsweredWithAQuestionMark) {
    type("31");
    click("Command1(0)");
    EXPECT_EQ(input()->text(), "?");
    EXPECT_EQ(transcriptBox()->toPlainText(), Shown(euler::TaskText()));
    EXPECT_TRUE(selectedEntries().isEmpty());
}

TEST_F(MainWindowTest, ClearEmptiesInputHighlightAndTranscript) {
    type("30");
    click("Command1(0)");
    ASSERT_EQ(selectedEntries(), QStringList{"971"});
    click("Command1(1)");
    EXPECT_EQ(input()->text(), QString());
    EXPECT_TRUE(selectedEntries().isEmpty());
    EXPECT_EQ(transcriptBox()->toPlainText(), QString());
}

TEST_F(MainWindowTest, EnterAndEscapePressNoButton) {
    type("5");
    QTest::keyClick(input(), Qt::Key_Return);
    QTest::keyClick(input(), Qt::Key_Escape);
    for (const char* name : {"Command1(0)", "Command1(1)"}) {
        auto* button = control<QPushButton>(name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(button, Qt::Key_Escape);
    }
    EXPECT_EQ(transcriptBox()->toPlainText(), Shown(euler::TaskText()));
    EXPECT_EQ(input()->text(), "5");
}

TEST_F(MainWindowTest, TheUsersOwnSelectionGivesWayToTheNextCheck) {
    QListWidgetItem* item = list()->item(2);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(item).center());
    ASSERT_EQ(selectedEntries(), QStringList{"5"});
    type("0");
    click("Command1(0)");
    EXPECT_EQ(selectedEntries(), QStringList{"41"});
}

// The page's list follows the same rule for these keys; this holds it to
// what the window's list does.
TEST_F(MainWindowTest, TheListsKeysMoveTheSelectionAsTheRuleThePageFollowsSays) {
    const struct {
        Qt::Key qt;
        euler::ListKey key;
    } keys[] = {
        {Qt::Key_Up, euler::ListKey::kUp},         {Qt::Key_Down, euler::ListKey::kDown},
        {Qt::Key_PageUp, euler::ListKey::kPageUp}, {Qt::Key_PageDown, euler::ListKey::kPageDown},
        {Qt::Key_Home, euler::ListKey::kHome},     {Qt::Key_End, euler::ListKey::kEnd}};
    const int rowsInView = list()->viewport()->height() / list()->sizeHintForRow(0);
    for (const std::int16_t selected : {-1, 0, 5, 19, 162, 167}) {
        for (const auto& k : keys) {
            transcriptBox()->setFocus();
            window.setSelection(selected);
            list()->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list(), k.qt);
            const std::int16_t cursor = euler::ListCursorOnFocus(selected);
            const std::int16_t moved =
                euler::ListCursorAfter(k.key, cursor, window.entryCount(), rowsInView);
            const int expected = moved != cursor ? moved : selected;
            EXPECT_EQ(list()->selectionModel()->selectedRows().value(0).row(), expected)
                << "key " << k.qt << " from " << selected;
        }
    }
}

TEST_F(MainWindowTest, FractionsAreWrittenWithTheLocalesDecimalSeparator) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    MainWindow bulgarian;
    QLocale::setDefault(saved);
    Show(bulgarian);
    auto* box = bulgarian.findChild<QLineEdit*>("Text2");
    QTest::mouseClick(box, Qt::LeftButton);
    TypeInto(box, ".5");
    QTest::mouseClick(bulgarian.findChild<QPushButton*>("Command1(0)"), Qt::LeftButton);
    EXPECT_EQ(bulgarian.findChild<QPlainTextEdit*>("Text1(0)")->toPlainText(),
              "Изчислявам: 0,5*1,5+41\nИзчисленото число е: 42\n");
}

// A window whose list fails when the check selects the value.
class BrokenListWindow : public MainWindow {
public:
    void setSelection(std::int16_t) override { throw std::runtime_error("the list is gone"); }
};

// What the window writes to the standard error through Qt.
QString warnings;
void KeepWarning(QtMsgType, const QMessageLogContext&, const QString& message) {
    warnings += message + '\n';
}

TEST(MainWindowFailure, IsReportedToTheUserInBulgarianAndTheProgramGoesOn) {
    warnings.clear();
    const QtMessageHandler saved = qInstallMessageHandler(KeepWarning);
    BrokenListWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit*>("Text2")->setText("5");

    QString reported;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(10);
    QTest::mouseClick(window.findChild<QPushButton*>("Command1(0)"), Qt::LeftButton);
    closer.stop();

    qInstallMessageHandler(saved);

    // The pupil reads Bulgarian alone; the failure's own text goes to the
    // standard error.
    EXPECT_FALSE(reported.isEmpty());
    EXPECT_FALSE(reported.contains(QRegularExpression("[A-Za-z]"))) << reported.toStdString();
    EXPECT_TRUE(warnings.contains("the list is gone")) << warnings.toStdString();
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("Text1(0)")->toPlainText(),
              "Изчислявам: 5*6+41\nИзчисленото число е: 71\n");
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
