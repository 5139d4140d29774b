#include <gtest/gtest.h>

#include "input_limit.h"
#include "test_support.h"

namespace euler {
namespace {

using testing::Utf8;

TEST(LimitInputEdit, CutsWhatAnEditBringsAndKeepsWhatWasThere) {
    const struct {
        std::u32string before;
        std::u32string after;
        std::size_t cursor;
        InputEdit kept;
    } cases[] = {
        {U"", U"5", 1, {U"5", 1}},             // fits: kept whole
        {U"1", U"12", 2, {U"12", 2}},          //
        {U"12", U"123", 3, {U"12", 2, true}},  // a third character typed at the end
        {U"12", U"132", 2, {U"12", 1, true}},  // ... between the two
        {U"12", U"312", 1, {U"12", 0, true}},  // ... in front
        {U"", U"98765", 5, {U"98", 2}},        // a long paste keeps its start
        {U"ab", U"xyz", 3, {U"xy", 2}},        // ... also over the whole text
        {U"1", U"1\U0001D7D3\U0001D7D3", 3, {U"1\U0001D7D3", 2}},  // one character, not two halves
        {U"\U0001D465", U"\U0001D465yz", 3, {U"\U0001D465y", 2}},
        {U"ab", U"a98b", 3, {U"ab", 1, true}},  // a paste between two characters
        {U"1", U"4561", 3, {U"41", 1}},         // a paste in front of one
        {U"11", U"1211", 2, {U"11", 0, true}},  // repeated characters: the cursor tells where
        {U"11", U"111", 1, {U"11", 0, true}},   // ... a third typed in front stays refused there
        {U"1", U"234", 0, {U"23", 2}},          // a cursor that no edit leaves: as at the end
        {U"1", U"234", 9, {U"23", 2}},          //
    };
    for (const auto& c : cases) {
        const InputEdit edit = LimitInputEdit(c.before, c.after, c.cursor);
        EXPECT_EQ(edit.text, c.kept.text) << '"' << Utf8(c.before) << "\" to \"" << Utf8(c.after);
        EXPECT_EQ(edit.cursor, c.kept.cursor)
            << '"' << Utf8(c.before) << "\" to \"" << Utf8(c.after);
        EXPECT_EQ(edit.refused, c.kept.refused)
            << '"' << Utf8(c.before) << "\" to \"" << Utf8(c.after);
    }
}

}  // namespace
}  // namespace euler
