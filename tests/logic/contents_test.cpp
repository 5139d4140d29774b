#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "digest.h"
#include "form_contents.h"
#include "form_model.h"
#include "test_support.h"

namespace euler {
namespace {

using testing::PrimesBelowAThousand;
using testing::Utf8;

std::vector<std::u32string> SplitLines(std::u32string_view text) {
    std::vector<std::u32string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(kLineBreak, start)) != std::u32string_view::npos;
         start = end + kLineBreak.size()) {
        lines.emplace_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line break";
    return lines;
}

TEST(PrimeList, HoldsEveryPrimeBelowAThousandInAscendingOrder) {
    const FormModel form;
    ASSERT_EQ(form.entryCount(), 168);
    EXPECT_EQ(form.entry(0), U"2");
    EXPECT_EQ(form.entry(19), U"71");
    EXPECT_EQ(form.entry(167), U"997");
    const std::vector<std::u32string> expected = PrimesBelowAThousand();
    for (std::int16_t i = 0; i < form.entryCount(); ++i) {
        EXPECT_EQ(form.entry(i), expected[i]) << "entry " << i;
    }
}

TEST(TaskText, IsElevenLinesOf1603Characters) {
    const std::u32string text = TaskText();
    EXPECT_EQ(text.size(), 1603u);
    EXPECT_EQ(Utf8(text).size(), 2205u);
    EXPECT_EQ(Digest(Utf8(text)), 0xa0dcc492b76a06e3u) << "a letter of the task text changed";

    const std::vector<std::u32string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 11u);
    for (const std::u32string& line : lines) {
        EXPECT_EQ(line.find_first_of(U"\r\n"), std::u32string::npos) << Utf8(line);
    }
    EXPECT_EQ(lines[0].substr(0, 15), U"Ойлер забелязва");
    EXPECT_EQ(lines[8].substr(0, 2), U"\u0430)");  // Cyrillic "а"
    EXPECT_EQ(lines[9].substr(0, 2), U"\u0431)");  // Cyrillic "б"
    EXPECT_EQ(lines[10].back(), U'.');
}

TEST(TaskText, SixthLineListsTheEntriesOfThePrimeList) {
    const FormModel form;
    std::u32string joined;
    for (std::int16_t i = 0; i < form.entryCount(); ++i) {
        joined += (i == 0 ? U"" : U", ") + form.entry(i);
    }
    EXPECT_EQ(SplitLines(form.transcript())[5], joined);
    EXPECT_EQ(joined.substr(0, 12), U"2, 3, 5, 7, ");
    EXPECT_EQ(joined.substr(joined.size() - 5), U", 997");
}

TEST(Quotation, IsThreeLinesEachEndingWithABlank) {
    const FormModel form;
    const std::vector<std::u32string> lines = SplitLines(form.quotation());
    ASSERT_EQ(lines.size(), 3u);
    for (const std::u32string& line : lines) {
        EXPECT_EQ(line.back(), U' ') << Utf8(line);
    }
    EXPECT_EQ(form.quotation().size(), 118u);
    EXPECT_EQ(Digest(Utf8(form.quotation())), 0x3bafcad28fef3b3du)
        << "a letter of the quotation changed";
}

TEST(FormModel, StartsWithTheTaskTextAnEmptyInputAndNoSelection) {
    const FormModel form;
    EXPECT_EQ(form.inputText(), U"");
    EXPECT_EQ(form.transcript(), TaskText());
    EXPECT_EQ(form.selection(), kNoSelection);
    EXPECT_EQ(form.decimalSeparator(), U".");
}

TEST(FormModel, InputKeepsAtMostTwoCharacters) {
    const struct {
        std::u32string typed;
        std::u32string kept;
    } cases[] = {
        {U"", U""},
        {U"5", U"5"},
        {U"30", U"30"},
        {U"123", U"12"},
        {U"аб", U"аб"},
        {U"абв", U"аб"},
        {U"\U0001D465y", U"\U0001D465y"},
        {U"-1.5", U"-1"},
    };
    for (const auto& c : cases) {
        FormModel form;
        form.setInputText(c.typed);
        EXPECT_EQ(form.inputText(), c.kept) << Utf8(c.typed);
    }
}

TEST(FormModel, RefusesIndexesOutsideTheList) {
    FormModel form;
    EXPECT_THROW(form.entry(-1), std::out_of_range);
    EXPECT_THROW(form.entry(168), std::out_of_range);
    EXPECT_THROW(form.setSelection(168), std::out_of_range);
    EXPECT_THROW(form.setSelection(-2), std::out_of_range);
    form.setSelection(167);
    form.setSelection(kNoSelection);
    EXPECT_EQ(form.selection(), kNoSelection);
}

}  // namespace
}  // namespace euler
