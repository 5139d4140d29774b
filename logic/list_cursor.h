#pragma once

#include <cstdint>

namespace euler {

// The keys that move the cursor of the prime list, and with it the selection.
enum class ListKey { kUp, kDown, kPageUp, kPageDown, kHome, kEnd };

// Where the cursor of a list of `count` entries goes from `cursor` on `key`,
// `rowsInView` whole rows being in view: one entry up or down, a page (the
// rows in view less one, and at least one), or to the first or the last
// entry; never beyond the ends. The selection follows the cursor where it
// moves; where it stays, the selection does not change. So does the window's
// list, and the page's list does the same through this rule. A value of
// ListKey that names none of the keys leaves the cursor where it is.
// Requires: 0 <= cursor < count.
std::int16_t ListCursorAfter(ListKey key, std::int16_t cursor, std::int16_t count, int rowsInView);

// Where the cursor stands when the list gets the keyboard focus: on the
// selected entry, or on the first when `selection` is -1 (none).
std::int16_t ListCursorOnFocus(std::int16_t selection);

}  // namespace euler
