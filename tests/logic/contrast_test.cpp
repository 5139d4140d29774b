#include <gtest/gtest.h>

#include <tuple>

#include "contrast.h"

namespace euler {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLabel{255, 192, 128};
constexpr Rgb kCheck{128, 255, 128};
constexpr Rgb kClear{255, 0, 0};

TEST(ContrastRatio, MatchesTheWcagFormula) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kClear, kClear), 1.0);
    // Pure red has the relative luminance 0.2126; #767676 is the lightest grey
    // that is readable on white (4.54:1), #777777 just misses it.
    EXPECT_NEAR(ContrastRatio(kBlack, kClear), (0.2126 + 0.05) / 0.05, 1e-12);
    EXPECT_NEAR(ContrastRatio(kWhite, Rgb{118, 118, 118}), 4.54, 0.005);
    EXPECT_LT(ContrastRatio(kWhite, Rgb{119, 119, 119}), kReadableContrast);
}

TEST(ReadableTextColour, KeepsTheThemesColourWhereReadableAndElseTakesBlackOrWhite) {
    const struct {
        Rgb background;
        Rgb themeText;
        Rgb expected;
    } cases[] = {
        {kLabel, kBlack, kBlack},                      // a light theme: nothing changes
        {kLabel, Rgb{252, 252, 252}, kBlack},          // a dark theme's light text
        {kCheck, Rgb{238, 238, 236}, kBlack},          //
        {kClear, kWhite, kBlack},                      // white on red is only 4:1
        {kLabel, Rgb{40, 20, 100}, Rgb{40, 20, 100}},  // a readable colour stays
        {Rgb{0, 0, 128}, kBlack, kWhite},              // a dark background
    };
    for (const auto& c : cases) {
        const Rgb chosen = ReadableTextColour(c.background, c.themeText);
        EXPECT_EQ(std::tie(chosen.red, chosen.green, chosen.blue),
                  std::tie(c.expected.red, c.expected.green, c.expected.blue));
        EXPECT_GE(ContrastRatio(chosen, c.background), kReadableContrast);
    }
}

}  // namespace
}  // namespace euler
