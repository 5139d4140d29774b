#include "form_model.h"

#include <utility>

#include "form_contents.h"

namespace euler {

FormModel::FormModel(std::u32string decimalSeparator)
    : transcript_(TaskText()),
      quotation_(Quotation()),
      entries_(PrimeEntries()),
      decimalSeparator_(std::move(decimalSeparator)) {}

void FormModel::setInputText(std::u32string_view text) {
    input_ = text.substr(0, kInputMaxLength);
}

std::int16_t FormModel::entryCount() const {
    return static_cast<std::int16_t>(entries_.size());
}

std::u32string FormModel::entry(std::int16_t index) const {
    RequireEntryIndex(index, entryCount());
    return entries_[static_cast<std::size_t>(index)];
}

void FormModel::setSelection(std::int16_t index) {
    RequireSelectionIndex(index, entryCount());
    selection_ = index;
}

}  // namespace euler
