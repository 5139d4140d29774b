#pragma once

#include <QListWidget>

// The list of primes.
//
// Its highlighted entry is the program's answer, so it is drawn plainly
// visible in every style, whether or not the list has the focus: the styles
// draw a selection without the focus in faint colours (light grey on white),
// and the Windows Vista style draws even a focused one in a pale blue of its
// own.
//
// A selection that the program makes while the user is elsewhere moves no
// one's focus: a screen reader hears of the list's current entry only while
// the list has the keyboard focus.
class PrimeList : public QListWidget {
public:
    explicit PrimeList(QWidget* parent);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
