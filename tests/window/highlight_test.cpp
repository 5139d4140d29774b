// The program's answer, the highlighted prime, as the pupil sees it after a
// check: the keyboard focus is then on «Въведи», not on the list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <utility>
#include <vector>

#include "commands.h"
#include "contrast.h"
#include "drawn_colours.h"
#include "main_window.h"
#include "user_input.h"

namespace {

// Palettes that the list may be drawn in: the platform's, the style's own,
// one whose highlight without the focus is a faint grey (as in the Windows
// styles), one whose highlight is pale even with the focus, and a dark one.
std::vector<std::pair<const char*, QPalette>> Palettes(const QPalette& platform) {
    QPalette faint = platform;
    faint.setColor(QPalette::Inactive, QPalette::Highlight, QColor(240, 240, 240));
    faint.setColor(QPalette::Inactive, QPalette::HighlightedText, QColor(255, 255, 255));
    QPalette pale = platform;
    pale.setColor(QPalette::Highlight, QColor(204, 232, 255));
    pale.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
    return {{"platform", platform},
            {"style", QApplication::style()->standardPalette()},
            {"faint without the focus", faint},
            {"pale", pale},
            {"dark", DarkPalette()}};
}

TEST(PrimeHighlight, StandsOutWithoutTheFocusInEveryStyleAndPalette) {
    const QString savedStyle = QApplication::style()->name();
    const QPalette savedPalette = QApplication::palette();
    for (const QString& style : QStyleFactory::keys()) {
        QApplication::setStyle(style);
        for (const auto& [name, palette] : Palettes(savedPalette)) {
            SCOPED_TRACE(style.toStdString() + ", " + name);
            QApplication::setPalette(palette);
            MainWindow window;
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            window.setInputText(U"5");
            euler::OnCommand(window, euler::kCheckCommand);
            auto* list = FindControl<QListWidget>(window, "List1");
            ASSERT_FALSE(list->hasFocus());

            const QImage shown = list->viewport()->grab().toImage();
            const QRect row = list->visualItemRect(list->item(19));
            ASSERT_GT(row.top(), 2) << "the entry above is out of view";
            // The right ends of the rows hold no text.
            const euler::Rgb highlight = PixelColour(shown, {row.right() - 1, row.center().y()});
            const euler::Rgb above = PixelColour(shown, {row.right() - 1, row.top() - 2});
            EXPECT_GE(euler::ContrastRatio(highlight, above), euler::kVisibleContrast);
            EXPECT_GE(BestContrast(shown, row, highlight), euler::kReadableContrast);
        }
    }
    QApplication::setStyle(savedStyle);
    QApplication::setPalette(savedPalette);
}

}  // namespace
