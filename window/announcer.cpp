#include "announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* NotificationInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(NotificationInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}
