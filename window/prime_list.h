#pragma once

#include <QListWidget>

// The list of primes. A selection that the program makes while the user is
// elsewhere moves no one's focus: a screen reader hears of the list's current
// entry only while the list has the keyboard focus.
class PrimeList : public QListWidget {
public:
    explicit PrimeList(QWidget* parent) : QListWidget(parent) {}

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
