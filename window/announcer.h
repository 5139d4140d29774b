#pragma once

#include <QWidget>

// Tells screen readers what a command showed away from the keyboard focus.
//
// Qt 6.4 has no announcement of its own, and its description and name
// changes reach a screen reader such as Orca without the new text. What does
// reach it is a notification being shown: this is one, an empty control of
// no size that a sighted user never sees, shown anew for each announcement.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};
