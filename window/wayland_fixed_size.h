#pragma once

#include <QObject>

class QWidget;

// Keeps a window of fixed size alive and at its size on Wayland.
//
// Qt draws its own title bar there and its maximise button asks the
// compositor to maximise even a window of fixed size (seen with Qt 6.4.2 and
// 6.8.2: the bradient decoration toggles the maximised state whatever the
// window's size limits). The compositor answers with the size of the screen,
// and a window that then stays at its own size breaks the protocol: the
// compositor ends the connection and the program with it. So the window
// gives up its maximum size, takes the maximised size for a moment and asks
// straight back for its own, after which its size is fixed again.
class WaylandFixedSize : public QObject {
public:
    // Does nothing on other platforms. Requires: `window` is a top-level
    // widget of fixed size; it owns this object.
    static void Keep(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WaylandFixedSize(QWidget* window);
    void stateChanged(Qt::WindowState state);

    QWidget* window_;
    bool released_ = false;  // the native window's maximum size is given up
};
