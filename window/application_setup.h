#pragma once

class QApplication;

// Where a Wayland session also offers X11 (XWayland), the program runs on
// X11, unless QT_QPA_PLATFORM names a platform. Qt 6.4 draws its own title
// bar on Wayland and offers "maximise" there even for a window of fixed size;
// a compositor that then maximises it finds the window at its fixed size and
// ends the connection, and with it the program. On X11 the window manager
// draws the title bar from the fixed size and offers no maximise.
// Call before the QApplication is made.
void PreferX11WhereWaylandOffersIt();

// What the program asks of Qt once the QApplication exists: Qt's own texts
// (context menus, message box buttons) in Bulgarian, whatever the locale, and
// the desktop entry that docks match the window with.
void SetUpApplication(QApplication& app);
