// Widget tests run headless, whatever the caller's environment holds, with one
// QApplication for all, set up as the program sets up its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "application_setup.h"
#include "test_platform.h"

int main(int argc, char* argv[]) {
    UseTestPlatform("offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    SetUpApplication(app);
    return RUN_ALL_TESTS();
}
