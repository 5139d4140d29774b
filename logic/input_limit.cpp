#include "input_limit.h"

#include <algorithm>

#include "form_state.h"

namespace euler {

InputEdit LimitInputEdit(std::u32string_view before, std::u32string_view after,
                         std::size_t cursor) {
    if (after.size() <= kInputMaxLength) {
        return {std::u32string(after), cursor};
    }
    // The edit replaced the middle of `before` by new characters, which end
    // at the cursor: what follows the cursor is the untouched end of
    // `before`, what precedes the edit the longest start that both share
    // within the rest. A cursor that no edit could leave (more characters
    // behind it than `before` holds) is taken as at the end.
    if (cursor > after.size() || after.size() - cursor > before.size()) {
        cursor = after.size();
    }
    const std::size_t suffix = after.size() - cursor;
    std::size_t prefix = 0;
    while (prefix < before.size() - suffix && before[prefix] == after[prefix]) {
        ++prefix;
    }
    const std::size_t room = kInputMaxLength - std::min(kInputMaxLength, prefix + suffix);
    const std::u32string_view brought = after.substr(prefix, after.size() - prefix - suffix);
    const std::u32string_view kept = brought.substr(0, room);
    InputEdit edit;
    edit.text.append(after.substr(0, prefix))
        .append(kept)
        .append(after.substr(after.size() - suffix));
    edit.cursor = prefix + kept.size();
    edit.refused = kept.empty();
    return edit;
}

}  // namespace euler
