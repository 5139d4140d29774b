#include <QApplication>
#include <algorithm>

#include "application_setup.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    PreferX11WhereWaylandOffersIt();
    // The program takes no command line: Qt gets the program's name alone, so
    // that options such as -stylesheet FILE or -reverse are not read.
    int qtArgc = std::min(argc, 1);
    QApplication app(qtArgc, argv);
    SetUpApplication(app);
    // The window sets its font on itself; the application gets it too, as a
    // text box lays out its empty document in the application's font when it
    // is made, and would load a second font for nothing.
    QApplication::setFont(MainWindow::Font());
    MainWindow window;
    window.show();
    return app.exec();
}
