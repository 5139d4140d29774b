#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace euler {

// The input box's text and cursor, in characters.
struct InputEdit {
    std::u32string text;
    std::size_t cursor = 0;
    // Nothing of the edit is kept: the box stays as it was before it, text,
    // cursor and what an undo would bring back.
    bool refused = false;
};

// What the input box keeps of an edit (typing, pasting, dropping) that turns
// `before` into `after` with the cursor at `cursor`: the characters the edit
// brings are cut so that the box holds at most kInputMaxLength, and those
// already there stay. An edit that fits is kept whole, so a third character
// typed anywhere is refused and a long paste keeps its first characters.
// `cursor` stands where the characters that the edit brought end in `after`,
// which tells where the edit was when characters repeat; a cursor that no
// edit could leave is taken as at the end. A refused edit keeps the cursor
// where it stood before the edit.
// Requires: `before` holds at most kInputMaxLength characters.
InputEdit LimitInputEdit(std::u32string_view before, std::u32string_view after, std::size_t cursor);

}  // namespace euler
