// The window on a high-DPI screen. CTest runs this once for each scale:
//
//     high_dpi_test RATIO PLATFORM [SCALE]
//
// RATIO is the device pixel ratio to expect, PLATFORM the Qt platform (an
// offscreen screen of higher DPI, say) and SCALE a QT_SCALE_FACTOR. They come
// as arguments, as Wine passes no QT_ variable on to a Windows program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "application.h"
#include "expected_layout.h"
#include "main_window.h"
#include "test_platform.h"

namespace {

// The device pixel ratio to expect, from the command line.
double expectedRatio = 0;

class HighDpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    MainWindow window;
};

TEST_F(HighDpiTest, ControlsKeepTheirPlacesAndTheFrameScales) {
    const double ratio = expectedRatio;
    ASSERT_GT(ratio, 1.0) << "no ratio to expect was given";
    EXPECT_DOUBLE_EQ(window.devicePixelRatioF(), ratio);
    EXPECT_EQ(window.size(), kClientArea);
    for (const ExpectedPlace& expected : kExpectedPlaces) {
        EXPECT_EQ(window.findChild<QWidget*>(expected.control)->geometry(), expected.place)
            << expected.control;
    }
    const QPixmap frame = window.grab();
    EXPECT_EQ(frame.size(), (QSizeF(kClientArea) * ratio).toSize());
    const QImage image = frame.toImage();
    const QPoint insideCheck =
        (QPointF(ExpectedPlaceOf("Command1(0)").topLeft() + QPoint(6, 6)) * ratio).toPoint();
    EXPECT_EQ(QColor(image.pixel(insideCheck)), QColor(128, 255, 128));
}

TEST_F(HighDpiTest, FontScalesWithTheScreenAndNoTextIsClipped) {
    EXPECT_EQ(QFontInfo(window.font()).pointSize(), 12);
    EXPECT_EQ(QFontInfo(window.font()).pixelSize(), 16);  // device-independent
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QRect needed = label->fontMetrics().boundingRect(label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width());
        EXPECT_LT(button->fontMetrics().height(), button->height());
    }
    const auto* input = window.findChild<QLineEdit*>("Text2");
    EXPECT_LT(input->fontMetrics().horizontalAdvance("30"), input->width() - 8);
    const auto* list = window.findChild<QListWidget*>("List1");
    EXPECT_LT(list->fontMetrics().horizontalAdvance("997"), list->viewport()->width());
    const auto* transcript = window.findChild<QPlainTextEdit*>("Text1(0)");
    EXPECT_EQ(transcript->horizontalScrollBar()->maximum(), 0) << "lines should wrap";
}

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: high_dpi_test RATIO PLATFORM [SCALE]\n");
        return 2;
    }
    expectedRatio = std::atof(argv[1]);
    UseTestPlatform(argv[2]);
    if (argc > 3) {
        qputenv("QT_SCALE_FACTOR", argv[3]);
    }
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
