#include <gtest/gtest.h>

#include "utf8.h"

namespace euler {
namespace {

TEST(Utf8, WritesEachCharacterInOneToFourBytes) {
    // 5, Ж, „ and 𝟓: the last character of each length and the first of the next.
    EXPECT_EQ(Utf8(U"5\u007F\u0080Ж\u07FF\u0800„\uFFFF\U00010000𝟓\U0010FFFF"),
              "5\x7F\xC2\x80\xD0\x96\xDF\xBF\xE0\xA0\x80\xE2\x80\x9E\xEF\xBF\xBF"
              "\xF0\x90\x80\x80\xF0\x9D\x9F\x93\xF4\x8F\xBF\xBF");
}

}  // namespace
}  // namespace euler
