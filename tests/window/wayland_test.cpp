// The window on a Wayland compositor (run it under_weston.sh): what the
// buttons of Qt's own title bar do there must neither end the program nor
// change the window's size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "application.h"
#include "expected_layout.h"
#include "main_window.h"

namespace {

TEST(WaylandTitleBar, MaximiseAndFullScreenLeaveTheWindowAliveAndAtItsSize) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWindow* native = window.windowHandle();
    const auto backToNormal = [&] {
        return native->windowStates() == Qt::WindowNoState && window.size() == kClientArea &&
               native->maximumSize() == kClientArea;
    };
    // The maximise button of the title bar sets the state just so; a
    // compositor may also ask for full screen.
    for (const Qt::WindowState asked :
         {Qt::WindowMaximized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
        native->setWindowStates(asked);
        EXPECT_TRUE(QTest::qWaitFor(backToNormal, 5000))
            << "asked " << asked << ", now state " << native->windowStates().toInt() << ", size "
            << window.width() << "x" << window.height() << ", maximum " << native->maximumWidth()
            << "x" << native->maximumHeight();
    }
    // A broken protocol ends the connection a moment later.
    QTest::qWait(500);
    EXPECT_TRUE(backToNormal());
    EXPECT_TRUE(window.isVisible());
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "wayland");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
