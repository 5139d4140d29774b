#include "application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The desktop entry's name without ".desktop"; on Wayland, the app id.
constexpr auto kDesktopEntry = "org.example.eulerprimes";

}  // namespace

void PreferX11WhereWaylandOffersIt() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}

void SetUpApplication(QApplication& app) {
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_bg"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntry));
}
