#pragma once

#include <QApplication>

// The program's application object: a QApplication with everything the
// program asks of Qt, so that the program and its widget tests run alike.
//
// - Where a Wayland session also offers X11 (XWayland), the program runs on
//   X11, unless QT_QPA_PLATFORM names a platform. Qt draws its own title bar
//   on Wayland and offers "maximise" there even for a window of fixed size
//   (Qt 6.4.2 and 6.8.2); a compositor that then maximises it finds the
//   window at its fixed size and ends the connection, and with it the
//   program. On X11 the window manager draws the title bar from the fixed
//   size and offers no maximise.
// - Qt's own texts (context menus, message box buttons) are in Bulgarian,
//   whatever the locale.
// - The desktop entry that docks match the window with is named.
// - The application's font is the window's, as a text box lays out its empty
//   document in the application's font when it is made, and would load a
//   second font for nothing.
class Application : public QApplication {
    Q_OBJECT

public:
    // As QApplication's: `argc` must outlive the application, and Qt reads
    // its options from the arguments.
    Application(int& argc, char* argv[]);
};
