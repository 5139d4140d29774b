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

void WaylandFixedSize::stateChanged(Qt::WindowState state) {
    if (state != Qt::WindowMaximized && state != Qt::WindowFullScreen) {
        return;
    }
    released_ = true;
    window_->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    // Asking back before the compositor's answer has arrived would be lost:
    // the window asks again until it is normal once more.
    QMetaObject::invokeMethod(
        this, [this] { window_->windowHandle()->setWindowStates(Qt::WindowNoState); },
        Qt::QueuedConnection);
}

bool WaylandFixedSize::eventFilter(QObject* watched, QEvent* event) {
    if (released_ && event->type() == QEvent::Resize &&
        window_->windowHandle()->windowStates() == Qt::WindowNoState &&
        window_->size() == window_->maximumSize()) {
        released_ = false;
        window_->windowHandle()->setMaximumSize(window_->maximumSize());
    }
    return QObject::eventFilter(watched, event);
}
