#include "prime_list.h"

#include <QStyledItemDelegate>

#include "form_look.h"

namespace {

// Draws the highlighted entry in the colours that the logic chooses from the
// palette's focused highlight, as a background of its own: the style then
// draws it as an entry that is not selected and adds no selection colours of
// its own.
class VisibleHighlightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->state.testFlag(QStyle::State_Selected)) {
            return;
        }
        const QPalette& palette = option->palette;
        const euler::Highlight highlight = euler::VisibleHighlight(
            ToRgb(palette.color(QPalette::Active, QPalette::Base)),
            ToRgb(palette.color(QPalette::Active, QPalette::Highlight)),
            ToRgb(palette.color(QPalette::Active, QPalette::HighlightedText)));
        option->state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
        option->backgroundBrush = ToQColor(highlight.background);
        option->palette.setColor(QPalette::Text, ToQColor(highlight.text));
    }
};

}  // namespace

PrimeList::PrimeList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new VisibleHighlightDelegate(this));
}

void PrimeList::showAnswer(int row) {
    const QModelIndex entry = model()->index(row, 0);
    if (!entry.isValid()) {
        clearSelection();
        return;
    }
    selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect);
    if (hasFocus()) {
        selectionModel()->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
    }
    scrollTo(entry);
}

void PrimeList::focusInEvent(QFocusEvent* event) {
    if (const QModelIndexList selected = selectionModel()->selectedIndexes(); !selected.isEmpty()) {
        selectionModel()->setCurrentIndex(selected.front(), QItemSelectionModel::NoUpdate);
    }
    QListWidget::focusInEvent(event);
}

void PrimeList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
