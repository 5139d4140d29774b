// Widget tests run headless, whatever the caller's environment holds, with one
// QApplication for all, set up as the program sets up its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include "application_setup.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // Offscreen, Qt for Windows reads font files from a folder; every Windows
    // has Times New Roman there. Under Wine, Liberation Serif, with the same
    // metrics, stands for it.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR")) {
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "/Fonts");
    }
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
#endif
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    SetUpApplication(app);
    return RUN_ALL_TESTS();
}
