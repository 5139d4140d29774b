// Widget tests run headless unless told otherwise, with one QApplication for all.
#include <gtest/gtest.h>

#include <QApplication>

#include "application_setup.h"

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    SetUpApplication(app);
    return RUN_ALL_TESTS();
}
