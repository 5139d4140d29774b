#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace euler {

// The input box's text and cursor, in characters.
struct InputEdit {
    std::u32string text;
    std::size_t cursor = 0;
};

// What the input box keeps of an edit (typing, pasting, dropping) that turns
// `before` into `after` with the cursor at `cursor`: the characters the edit
// brings are cut so that the box holds at most kInputMaxLength, and those
// already there stay. An edit that fits is kept whole, so a third character
// typed anywhere is refused and a long paste keeps its first characters.
// Requires: `before` holds at most kInputMaxLength characters.
InputEdit LimitInputEdit(std::u32string_view before, std::u32string_view after, std::size_t cursor);

}  // namespace euler
