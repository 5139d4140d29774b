#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "conversions.h"
#include "test_support.h"

namespace euler {
namespace {

using testing::Utf8;

TEST(ValueOfText, ReadsTheNumberAtTheStartOfTheText) {
    const struct {
        std::u32string text;
        double value;
    } cases[] = {
        {U"", 0},       {U"5", 5},       {U".5", 0.5},    {U"5.", 5},
        {U"7a", 7},     {U"a7", 0},      {U"1,", 1},      {U"-3", -3},
        {U"+4", 4},     {U" \t12", 12},  {U"12 3", 12},   {U"1.2.3", 1.2},
        {U"--1", 0},    {U"-", 0},       {U".", 0},       {U"-.", 0},
        {U"\n5", 0},    {U"1e5", 1},     {U"0x1A", 0},    {U"007", 7},
        {U"\uFF15", 0}, {U"\u0665", 0},  {U"\u00A05", 0}, {U"\u22125", 0},
        {U"997", 997},  {U"0.25", 0.25}, {U"-.5", -0.5},  {U"30.0000001", 30.0000001},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueOfText(c.text), c.value) << '"' << Utf8(c.text) << '"';
    }
}

TEST(ValueOfText, KeepsTheSignOfMinusZero) {
    EXPECT_TRUE(std::signbit(ValueOfText(U"-0")));
    EXPECT_FALSE(ValueOfText(U"-0") < 0);
}

TEST(ValueOfText, HundredsOfDigitsOverflowBeforeThePointAndUnderflowAfterIt) {
    const std::u32string nines(400, U'9');
    const std::u32string tiny = U"0." + std::u32string(400, U'0') + U"1";
    EXPECT_EQ(ValueOfText(nines), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValueOfText(U"-" + nines), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ValueOfText(tiny), 0.0);
}

TEST(TextOfNumber, WritesWholeNumbersAsDigitsAndFractionsWithTheGivenSeparator) {
    const struct {
        double value;
        std::u32string separator;
        std::u32string text;
    } cases[] = {
        {5, U".", U"5"},
        {30, U",", U"30"},
        {31, U".", U"31"},
        {-3, U".", U"-3"},
        {-0.0, U".", U"0"},
        {0.5, U".", U"0.5"},
        {0.5, U",", U"0,5"},
        {1.5, U",", U"1,5"},
        {0.1 + 1, U".", U"1.1"},
        {-2.25, U",", U"-2,25"},
        {1.0 / 3, U".", U"0.333333333333333"},
        {0.5, U"\u066B", U"0\u066B5"},
        {1e20, U".", U"1e+20"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextOfNumber(c.value, c.separator), c.text) << c.value;
    }
}

TEST(NearestInt16, RoundsHalfToEven) {
    const struct {
        double value;
        std::int16_t nearest;
    } cases[] = {
        {41.75, 42}, {41.11, 41},      {42.71, 43},        {0.5, 0},         {1.5, 2},
        {2.5, 2},    {-0.5, 0},        {-1.5, -2},         {-2.5, -2},       {-2.6, -3},
        {971, 971},  {32767.4, 32767}, {-32768.5, -32768}, {32766.5, 32766},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NearestInt16(c.value), c.nearest) << c.value;
    }
}

TEST(NearestInt16, FailsOutsideSixteenBits) {
    const double outside[] = {32767.5,
                              32768,
                              -32768.6,
                              -32769,
                              1e10,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (const double value : outside) {
        EXPECT_THROW(NearestInt16(value), std::range_error) << value;
    }
}

}  // namespace
}  // namespace euler
