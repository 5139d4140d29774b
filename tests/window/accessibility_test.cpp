// The window as a screen reader and a keyboard-only user meet it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <vector>

#include "main_window.h"
#include "user_input.h"

namespace {

// What a screen reader is told: the accessibility events of the window, with
// the keyboard focus at the time, the name of what each is about, and whether
// it is a notification being shown.
struct Heard {
    QAccessible::Event type;
    QObject* object;
    QWidget* keyboardFocus;
    QString name;  // of the control or entry the event is about
    bool notification;
};

std::vector<Heard> heard;

void Hear(QAccessibleEvent* event) {
    QAccessibleInterface* control = event->accessibleInterface();
    const bool notified = event->type() == QAccessible::ObjectShow && control &&
                          control->role() == QAccessible::Notification;
    heard.push_back({event->type(), event->object(), QApplication::focusWidget(),
                     control ? control->text(QAccessible::Name) : QString(), notified});
}

// Qt sends accessibility events only while a screen reader listens; this
// pretends one does and takes the events in its place.
class ScreenReader {
public:
    ScreenReader() : previous_(QAccessible::installUpdateHandler(Hear)) {
        heard.clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~ScreenReader() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // The notifications shown since the last call.
    QStringList announcements() {
        QStringList texts;
        for (const Heard& h : heard) {
            if (h.notification && !h.name.isEmpty()) {
                texts << h.name;
            }
        }
        heard.clear();
        return texts;
    }

private:
    QAccessible::UpdateHandler previous_;
};

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QAccessibleInterface* accessible(const char* name) {
        return QAccessible::queryAccessibleInterface(FindControl(window, name));
    }

    // The controls that a screen reader can reach: visible children of the window.
    QStringList reachableNames() {
        QStringList names;
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        for (int i = 0; i < root->childCount(); ++i) {
            QAccessibleInterface* child = root->child(i);
            if (!child->state().invisible) {
                names << child->text(QAccessible::Name);
            }
        }
        return names;
    }

    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // The names of the list's entries whose accessible state `has` says so.
    template <typename Has>
    QStringList entries(Has has) {
        QAccessibleInterface* list = accessible("List1");
        QStringList names;
        for (int i = 0; i < list->childCount(); ++i) {
            if (QAccessibleInterface* entry = list->child(i); has(entry->state())) {
                names << entry->text(QAccessible::Name);
            }
        }
        return names;
    }

    MainWindow window;
};

TEST_F(AccessibilityTest, ControlsHaveBulgarianNamesRolesAndDescriptions) {
    // Written out letter for letter: what a screen reader says is checked
    // against the words, not against the table that the window reads them from.
    const struct {
        const char* control;
        QAccessible::Role role;
        QString name;
        QString description;
    } controls[] = {
        {"Text2", QAccessible::EditableText, "N от 0 до 30",
         "Въведете естествено число N от 0 до 30 и натиснете „Въведи“"},
        {"List1", QAccessible::List, "Прости числа под 1000",
         "Всички 168 прости числа под 1000; след проверка полученото число е маркирано"},
        {"Text1(0)", QAccessible::EditableText, "Условие и изчисление",
         "Условието на задачата, а след проверка изчислението и полученото число"},
        {"Command1(0)", QAccessible::Button, "Въведи",
         "Изчислява N*(N+1)+41 и маркира полученото число в списъка"},
        {"Command1(1)", QAccessible::Button, "Чисти",
         "Изчиства въведеното число, маркировката и изчислението"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control);
        QAccessibleInterface* control = accessible(c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), c.role);
        EXPECT_EQ(control->text(QAccessible::Name), c.name);
        EXPECT_EQ(control->text(QAccessible::Description), c.description);
        EXPECT_TRUE(reachableNames().contains(c.name));
    }
}

TEST_F(AccessibilityTest, LabelsNameTheControlsTheyStandBy) {
    const auto labelled = [this](const char* label) {
        const auto relations = accessible(label)->relations(QAccessible::Labelled);
        return relations.isEmpty() ? QString() : relations.front().first->text(QAccessible::Name);
    };
    EXPECT_EQ(labelled("Label1(1)"), "Прости числа под 1000");
    EXPECT_EQ(labelled("Label1(2)"), "N от 0 до 30");
}

TEST_F(AccessibilityTest, HiddenQuotationIsNotReachable) {
    QAccessibleInterface* quotation = accessible("Text1(1)");
    ASSERT_NE(quotation, nullptr);
    EXPECT_TRUE(quotation->state().invisible);
    for (const QString& name : reachableNames()) {
        EXPECT_FALSE(name.contains(QStringLiteral("Неприятното"))) << name.toStdString();
    }
}

TEST_F(AccessibilityTest, ScreenReaderHearsTheResultAndTheRefusalWhereTheKeyboardIs) {
    ScreenReader reader;
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "5");
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1(0)");
    reader.announcements();
    press(Qt::Key_Space);
    for (const Heard& h : heard) {
        if (h.type == QAccessible::Focus) {
            EXPECT_EQ(h.object, h.keyboardFocus) << "focus told to a control without it";
        }
    }
    EXPECT_EQ(reader.announcements(), QStringList{"Изчисленото число е: 71"});

    press(Qt::Key_Backtab);
    press(Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), "31");
    press(Qt::Key_Tab);
    reader.announcements();
    press(Qt::Key_Space);
    EXPECT_EQ(reader.announcements(), QStringList{"?"});
}

TEST_F(AccessibilityTest, KeyboardAloneChecksAndClearsAndTheResultIsReadable) {
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Text1(0)");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Text2");
    QTest::keyClicks(QApplication::focusWidget(), "5");
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1(0)");
    press(Qt::Key_Space);

    QAccessibleTextInterface* transcript = accessible("Text1(0)")->textInterface();
    ASSERT_NE(transcript, nullptr);
    EXPECT_TRUE(
        transcript->text(0, transcript->characterCount()).contains("Изчисленото число е: 71"));

    EXPECT_EQ(entries([](const QAccessible::State& state) { return state.selected; }),
              QStringList{"71"});
    EXPECT_EQ(entries([](const QAccessible::State& state) { return state.focused; }), QStringList{})
        << "no entry may claim the focus, which is on «Въведи»";

    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command1(1)");
    press(Qt::Key_Space);
    EXPECT_EQ(window.findChild<QLineEdit*>("Text2")->text(), QString());
    EXPECT_TRUE(window.findChild<QListWidget*>("List1")->selectedItems().isEmpty());
    EXPECT_EQ(transcript->characterCount(), 0);
}

TEST_F(AccessibilityTest, InTheListAfterACheckTheArrowsGoOnFromTheAnswerEntryByEntry) {
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "5");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    ScreenReader reader;
    press(Qt::Key_Backtab);
    press(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "List1");
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    const QString listName = accessible("List1")->text(QAccessible::Name);
    QStringList told;  // the entries a screen reader is told have the focus
    for (const Heard& h : heard) {
        if (h.type == QAccessible::Focus && h.object == FindControl(window, "List1") &&
            h.keyboardFocus == h.object && h.name != listName) {
            told << h.name;
        }
    }
    EXPECT_EQ(told, (QStringList{"71", "73", "79"}));
    EXPECT_EQ(entries([](const QAccessible::State& state) { return state.focused; }),
              QStringList{"79"});
}

}  // namespace
