// Thousands of seeded random user actions on the real window, offscreen,
// with the window's invariants checked after each one.
//
//     EULER_SOAK_EVENTS=10000 EULER_SOAK_SEED=7 window_tests --gtest_filter=GuiSoak.*
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "form_contents.h"
#include "main_window.h"
#include "proc_status.h"
#include "user_input.h"

namespace {

constexpr int kDefaultEvents = 2000;
constexpr unsigned kDefaultSeed = 20261208;
constexpr long kMaxGrowthKib = 1024;
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory in quarantine, so the resident size
// grows anyway; there, LeakSanitizer looks for leaks instead.
constexpr bool kMeasuresGrowth = false;
#else
constexpr bool kMeasuresGrowth = true;
#endif

int EnvironmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

const QString kTyped = QStringLiteral("0123456789+-., abcxyzEeабвгдюяАБЯ");
const Qt::Key kControlKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Return,   Qt::Key_Enter,
                                Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_Left,
                                Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,     Qt::Key_Home,
                                Qt::Key_End,    Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Space};

class Soak {
public:
    explicit Soak(unsigned seed) : random_(seed) {
        window_.show();
        window_.activateWindow();
        input_ = window_.findChild<QLineEdit*>(QStringLiteral("Text2"));
        list_ = window_.findChild<QListWidget*>(QStringLiteral("List1"));
        transcript_ = window_.findChild<QPlainTextEdit*>(QStringLiteral("Text1(0)"));
        for (const char* name : {"Command1(0)", "Command1(1)"}) {
            auto* button = window_.findChild<QPushButton*>(QString::fromLatin1(name));
            buttons_.push_back(button);
            QObject::connect(button, &QPushButton::clicked, [this] { commandRan_ = true; });
        }
    }

    bool exposed() { return QTest::qWaitForWindowExposed(&window_); }

    // One random action, then the invariants.
    void step(int number) {
        const QString before = selected();
        commandRan_ = false;
        const bool onList = act();
        if (commandRan_ && input_->text() != QStringLiteral("?")) {
            userSelected_ = false;
        }
        if (onList && selected() != before) {
            userSelected_ = !selected().isEmpty();
        }
        check(number);
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    QWidget* focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget : &window_;
    }

    QString randomText(int length) {
        QString text;
        for (int i = 0; i < length; ++i) {
            text += kTyped.at(pick(static_cast<int>(kTyped.size())));
        }
        return text;
    }

    // Returns whether the action was aimed at the list.
    bool act() {
        const int kind = pick(100);
        QWidget* target = focused();
        const bool listHasFocus = target == list_ || target == list_->viewport();
        if (kind < 40) {
            TypeCharacter(target, kTyped.at(pick(static_cast<int>(kTyped.size()))));
            return listHasFocus;
        }
        if (kind < 55) {
            QTest::keyClick(target, kControlKeys[pick(std::size(kControlKeys))]);
            return listHasFocus;
        }
        if (kind < 65) {
            QApplication::clipboard()->setText(randomText(3 + pick(38)));
            QTest::mouseClick(input_, Qt::LeftButton);
            QTest::keyClick(input_, Qt::Key_V, Qt::ControlModifier);
            return false;
        }
        if (kind < 75) {
            QTest::mouseClick(input_, Qt::LeftButton);
            return false;
        }
        if (kind < 93) {
            QTest::mouseClick(buttons_[kind < 85 ? 0 : 1], Qt::LeftButton);
            return false;
        }
        QWidget* viewport = list_->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          QPoint(pick(viewport->width()), pick(viewport->height())));
        return true;
    }

    QString selected() const {
        const QList<QListWidgetItem*> items = list_->selectedItems();
        return items.isEmpty() ? QString() : items.front()->text();
    }

    void check(int number) {
        SCOPED_TRACE("after action " + std::to_string(number));
        EXPECT_LE(input_->text().size(), 2) << input_->text().toStdString();
        EXPECT_LE(list_->selectedItems().size(), 1);

        static const QString taskText = Shown(euler::TaskText());
        // Numbers as the window writes them, with the user's decimal separator.
        static const QString number =
            QStringLiteral("[0-9]+(?:%1[0-9]+)?")
                .arg(QRegularExpression::escape(QLocale().decimalPoint()));
        static const QRegularExpression twoLines(
            QStringLiteral("^Изчислявам: %1\\*%1\\+41\\nИзчисленото число е: (\\d+)\\n$")
                .arg(number));
        const QString text = transcript_->toPlainText();
        const QRegularExpressionMatch match = twoLines.match(text);
        EXPECT_TRUE(text.isEmpty() || text == taskText || match.hasMatch()) << text.toStdString();

        const QString highlighted = selected();
        if (!highlighted.isEmpty() && !userSelected_) {
            EXPECT_TRUE(match.hasMatch() && match.captured(1) == highlighted)
                << highlighted.toStdString() << " beside " << text.toStdString();
        }
    }

    std::mt19937 random_;
    MainWindow window_;
    QLineEdit* input_ = nullptr;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* transcript_ = nullptr;
    std::vector<QPushButton*> buttons_;
    bool commandRan_ = false;
    bool userSelected_ = false;
};

TEST(GuiSoak, RandomActionsKeepTheWindowConsistentAndItsMemoryFlat) {
    const int events = EnvironmentNumber("EULER_SOAK_EVENTS", kDefaultEvents);
    const auto seed = static_cast<unsigned>(EnvironmentNumber("EULER_SOAK_SEED", kDefaultSeed));
    RecordProperty("seed", static_cast<int>(seed));

    // A message box would stop the soak; none may appear.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a dialog appeared";
            modal->close();
        }
    });
    watchdog.start(100);

    Soak soak(seed);
    ASSERT_TRUE(soak.exposed());
    const int warmUp = std::max(events / 10, 200);
    long warmResident = 0;
    for (int i = 1; i <= events; ++i) {
        soak.step(i);
        if (i == warmUp) {
            warmResident = ProcKib("self", "status", "VmRSS");
        }
        if (::testing::Test::HasFailure()) {
            FAIL() << "seed " << seed << ", stopped at action " << i;
        }
    }
    const long growth = ProcKib("self", "status", "VmRSS") - warmResident;
    std::printf("%d actions, seed %u: resident memory grew by %ld KiB after the warm-up\n", events,
                seed, growth);
    if (kMeasuresGrowth) {
        EXPECT_LT(growth, kMaxGrowthKib);
    }
}

}  // namespace
