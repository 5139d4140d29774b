#include "wayland_fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void WaylandFixedSize::Keep(QWidget* window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        new WaylandFixedSize(window);
    }
}

WaylandFixedSize::WaylandFixedSize(QWidget* window) : QObject(window), window_(window) {
    window_->winId();  // the native window, whose state the title bar changes
    // The title bar changes the state directly: this hears of it before the
    // compositor does.
    connect(window_->windowHandle(), &QWindow::windowStateChanged, this,
            &WaylandFixedSize::stateChanged);
    window_->installEventFilter(this);
}

// Runs twice for each maximise: when the title bar asks and when the
// compositor's answer arrives. Qt passes a request on only where it differs
// from the compositor's latest answer, so an ask made before the answer is
// dropped and the one made after it reaches the compositor.
void WaylandFixedSize::stateChanged(Qt::WindowState state) {
    if (state != Qt::WindowMaximized && state != Qt::WindowFullScreen) {
        return;
    }
    released_ = true;
    window_->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QMetaObject::invokeMethod(
        this, [this] { window_->windowHandle()->setWindowStates(Qt::WindowNoState); },
        Qt::QueuedConnection);
}

// The size is fixed again once the compositor's answers have brought the
// window back to normal at its own size. That shows as a resize, or, when Qt
// has applied the maximised size and the normal one before the widget heard
// of either (seen with Qt 6.4.2 on a busy machine), as the widget's change of
// state alone.
bool WaylandFixedSize::eventFilter(QObject* watched, QEvent* event) {
    if (released_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange) &&
        window_->windowHandle()->windowStates() == Qt::WindowNoState &&
        window_->size() == window_->maximumSize()) {
        released_ = false;
        window_->windowHandle()->setMaximumSize(window_->maximumSize());
    }
    return QObject::eventFilter(watched, event);
}
