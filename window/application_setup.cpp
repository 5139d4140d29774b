#include "application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The desktop entry's name without ".desktop"; on Wayland, the app id.
constexpr auto kDesktopEntry = "org.example.eulerprimes";

}  // namespace

void PreferX11WhereWaylandOffersIt() {
#ifdef Q_OS_LINUX  // elsewhere DISPLAY names no X server that Qt could use
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
#endif
}

void SetUpApplication(QApplication& app) {
    // Built into the program where no system provides them (Windows), else
    // from the system's Qt.
    auto* qtTexts = new QTranslator(&app);
    for (const QString& folder :
         {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (qtTexts->load(QStringLiteral("qtbase_bg"), folder)) {
            QApplication::installTranslator(qtTexts);
            break;
        }
    }
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntry));
}
