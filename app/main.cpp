#include <algorithm>

#include "application.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    // The program takes no command line: Qt gets the program's name alone, so
    // that options such as -stylesheet FILE or -reverse are not read.
    int qtArgc = std::min(argc, 1);
    Application app(qtArgc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
