#include "prime_list.h"

void PrimeList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus()) {
        QListWidget::currentChanged(current, previous);
    } else {
        // QListView's own override tells accessibility that the new current
        // entry has the focus, whether or not the list has it.
        QAbstractItemView::currentChanged(current, previous);
    }
}
