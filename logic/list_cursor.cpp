#include "list_cursor.h"

#include <algorithm>

namespace euler {

std::int16_t ListCursorAfter(ListKey key, std::int16_t cursor, std::int16_t count, int rowsInView) {
    const int page = std::max(rowsInView - 1, 1);
    int moved = cursor;
    switch (key) {
        case ListKey::kUp:
            moved = cursor - 1;
            break;
        case ListKey::kDown:
            moved = cursor + 1;
            break;
        case ListKey::kPageUp:
            moved = cursor - page;
            break;
        case ListKey::kPageDown:
            moved = cursor + page;
            break;
        case ListKey::kHome:
            moved = 0;
            break;
        case ListKey::kEnd:
            moved = count - 1;
            break;
    }
    return static_cast<std::int16_t>(std::clamp(moved, 0, count - 1));
}

std::int16_t ListCursorOnFocus(std::int16_t selection) {
    return std::max<std::int16_t>(selection, 0);
}

}  // namespace euler
