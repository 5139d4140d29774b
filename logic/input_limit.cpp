#include "input_limit.h"

#include <algorithm>

#include "form_state.h"

namespace euler {

InputEdit LimitInputEdit(std::u32string_view before, std::u32string_view after,
                         std::size_t cursor) {
    if (after.size() <= kInputMaxLength) {
        return {std::u32string(after), cursor};
    }
    // The edit replaced the middle of `before` by new characters; find the
    // untouched ends.
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (prefix + suffix < shorter &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::size_t room = kInputMaxLength - std::min(kInputMaxLength, prefix + suffix);
    const std::u32string_view brought = after.substr(prefix, after.size() - prefix - suffix);
    const std::u32string_view kept = brought.substr(0, room);
    InputEdit edit;
    edit.text.append(after.substr(0, prefix))
        .append(kept)
        .append(after.substr(after.size() - suffix));
    edit.cursor = prefix + kept.size();
    return edit;
}

}  // namespace euler
