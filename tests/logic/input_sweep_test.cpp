// Every input text the box can hold, over a wide alphabet, through the check.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "conversions.h"
#include "euler_check.h"
#include "form_contents.h"
#include "form_model.h"
#include "test_support.h"

namespace euler {
namespace {

using testing::Utf8;

using namespace std::string_literals;

const std::u32string kAlphabet =
    U"0123456789"                  // digits
    U"+-.,*/&?#%_()'\""            // signs and punctuation
    U" \t\r\n\0"                   // blanks and control characters
    U"abxzAZeE"                    // Latin, exponent letters among them
    U"абвгяАБЯъю"                  // Cyrillic
    U"\U0001D465\U00010400"        // letters outside the Basic Multilingual Plane
    U"\u0301\u0308"                // combining marks
    U"\uFF10\uFF15\u0660\u0665"    // fullwidth and Arabic-Indic digits
    U"\u00A0\u2212\u066B\uFEFF"    // no-break space, minus sign, Arabic point, BOM
    U"\u00BD\u00B2\u2028\u00B7"s;  // a half, a square, a line separator, a middle dot

std::vector<std::u32string> AllInputs() {
    std::vector<std::u32string> inputs{U""};
    for (const char32_t first : kAlphabet) {
        inputs.emplace_back(1, first);
        for (const char32_t second : kAlphabet) {
            inputs.push_back({first, second});
        }
    }
    return inputs;
}

bool AllAsciiDigits(std::u32string_view text) {
    return !text.empty() && text.find_first_not_of(U"0123456789") == std::u32string_view::npos;
}

// The parts of a transcript "Изчислявам: A*B+41\r\nИзчисленото число е: N\r\n".
struct Calculation {
    double x = 0;
    double next = 0;
    int value = 0;
};

bool ParseTranscript(const std::u32string& text, Calculation& out) {
    const std::u32string head = U"Изчислявам: ";
    const std::u32string middle = U"+41\r\nИзчисленото число е: ";
    const std::size_t star = text.find(U'*');
    const std::size_t plus = text.find(middle);
    if (text.rfind(head, 0) != 0 || star == std::u32string::npos || plus == std::u32string::npos ||
        star > plus || text.substr(text.size() - 2) != U"\r\n") {
        return false;
    }
    const auto number = [&text](std::size_t from, std::size_t to) {
        return std::stod(Utf8(text.substr(from, to - from)));
    };
    out.x = number(head.size(), star);
    out.next = number(star + 1, plus);
    const std::size_t valueStart = plus + middle.size();
    const std::string value = Utf8(text.substr(valueStart, text.size() - 2 - valueStart));
    out.value = std::stoi(value);
    return std::to_string(out.value) == value;
}

TEST(InputSweep, EveryShortInputIsRejectedOrCheckedConsistently) {
    ASSERT_EQ(std::set<char32_t>(kAlphabet.begin(), kAlphabet.end()).size(), 64u);
    const std::vector<std::u32string> inputs = AllInputs();
    int rejected = 0;
    int accepted = 0;
    for (const std::u32string& input : inputs) {
        SCOPED_TRACE("input \"" + Utf8(input) + "\"");
        FormModel form;
        form.setInputText(input);
        ASSERT_NO_THROW(CheckNumber(form));

        // A rejection leaves the task text; an accepted check replaces it.
        if (form.transcript() == TaskText()) {
            ++rejected;
            EXPECT_EQ(form.inputText(), U"?");
            EXPECT_EQ(form.selection(), kNoSelection);
            if (AllAsciiDigits(input)) {
                EXPECT_GT(std::stoi(Utf8(input)), 30);
            }
            continue;
        }
        ++accepted;
        EXPECT_EQ(form.inputText(), input);
        Calculation calc;
        ASSERT_TRUE(ParseTranscript(form.transcript(), calc)) << Utf8(form.transcript());
        EXPECT_GE(calc.x, 0);
        EXPECT_LE(calc.x, 30);
        EXPECT_DOUBLE_EQ(calc.next, calc.x + 1);
        EXPECT_EQ(calc.value, std::nearbyint(calc.x * calc.next + 41));
        if (AllAsciiDigits(input)) {
            EXPECT_EQ(calc.x, std::stoi(Utf8(input)));
        }
        if (form.selection() == kNoSelection) {
            EXPECT_FALSE(IsPrime(calc.value)) << calc.value;
        } else {
            EXPECT_EQ(form.entry(form.selection()),
                      DecimalText(static_cast<std::int16_t>(calc.value)));
        }
    }
    EXPECT_EQ(inputs.size(), 1 + kAlphabet.size() + kAlphabet.size() * kAlphabet.size());
    EXPECT_GT(rejected, 0);
    EXPECT_GT(accepted, 0);
    RecordProperty("inputs", static_cast<int>(inputs.size()));
}

}  // namespace
}  // namespace euler
