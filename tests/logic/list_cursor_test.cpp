#include <gtest/gtest.h>

#include "list_cursor.h"

namespace euler {
namespace {

TEST(ListCursor, MovesByAnEntryAPageOrToAnEndAndStopsAtTheEnds) {
    constexpr std::int16_t kCount = 168;
    const struct {
        ListKey key;
        std::int16_t from;
        int rowsInView;
        std::int16_t to;
    } cases[] = {
        {ListKey::kDown, 19, 7, 20},
        {ListKey::kDown, 167, 7, 167},
        {ListKey::kUp, 19, 7, 18},
        {ListKey::kUp, 0, 7, 0},
        {ListKey::kPageDown, 19, 7, 25},
        {ListKey::kPageDown, 165, 7, 167},
        {ListKey::kPageUp, 19, 7, 13},
        {ListKey::kPageUp, 3, 7, 0},
        {ListKey::kPageDown, 19, 1, 20},  // a list too low for a whole row still moves
        {ListKey::kPageUp, 19, 0, 18},    //
        {ListKey::kHome, 19, 7, 0},
        {ListKey::kEnd, 19, 7, 167},
        {static_cast<ListKey>(6), 19, 7, 19},  // a key of no name moves nothing
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListCursorAfter(c.key, c.from, kCount, c.rowsInView), c.to)
            << "key " << static_cast<int>(c.key) << " from " << c.from;
    }
}

TEST(ListCursor, GoesToTheSelectedEntryOnFocusOrElseToTheFirst) {
    EXPECT_EQ(ListCursorOnFocus(19), 19);
    EXPECT_EQ(ListCursorOnFocus(-1), 0);
}

}  // namespace
}  // namespace euler
