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
// The list's cursor (its current entry) stands on an entry only while the
// list has the keyboard focus: an item view's entry tells accessibility that
// it has the focus whenever it is current (Qt 6.4.2 and 6.8.2), and only the
// control with the keyboard focus may say so. The program's answer is
// selected without moving the cursor; when the list gets the focus, its
// cursor goes to the selected entry, from which the arrow keys go on.
class PrimeList : public QListWidget {
public:
    explicit PrimeList(QWidget* parent);

    // Selects `row` alone and scrolls it into view; -1 selects nothing.
    void showAnswer(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
