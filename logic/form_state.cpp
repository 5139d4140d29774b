#include "form_state.h"

#include <stdexcept>
#include <string>

namespace euler {

void RequireEntryIndex(std::int16_t index, std::int16_t count) {
    if (index < 0 || index >= count) {
        throw std::out_of_range("no list entry at index " + std::to_string(index));
    }
}

void RequireSelectionIndex(std::int16_t index, std::int16_t count) {
    if (index != kNoSelection) {
        RequireEntryIndex(index, count);
    }
}

}  // namespace euler
