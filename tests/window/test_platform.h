#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

// Chooses the Qt platform that a widget test runs on, whatever the caller's
// environment holds. Call before the QApplication is made.
inline void UseTestPlatform(const QByteArray& platform) {
    qputenv("QT_QPA_PLATFORM", platform);
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
}
