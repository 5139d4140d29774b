#include "application.h"

#include <QLibraryInfo>
#include <QTranslator>

#include "form_look.h"

namespace {

// The desktop entry's name without ".desktop"; on Wayland, the app id.
constexpr auto kDesktopEntry = EULER_APP_ID;

// Qt chooses its platform while the QApplication is made, so this runs first.
int& PreferX11WhereWaylandOffersIt(int& argc) {
#ifdef Q_OS_LINUX  // elsewhere DISPLAY names no X server that Qt could use
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
#endif
    return argc;
}

}  // namespace

Application::Application(int& argc, char* argv[])
    : QApplication(PreferX11WhereWaylandOffersIt(argc), argv) {
    // Built into the program where no system provides them (Windows), else
    // from the system's Qt.
    auto* qtTexts = new QTranslator(this);
    for (const QString& folder :
         {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (qtTexts->load(QStringLiteral("qtbase_bg"), folder)) {
            installTranslator(qtTexts);
            break;
        }
    }
    setDesktopFileName(QString::fromLatin1(kDesktopEntry));
    setFont(FormFont());
}
