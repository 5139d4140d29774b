// Every input text the box can hold, over a wide alphabet, through the check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "euler_check.h"
#include "form_contents.h"
#include "form_model.h"
#include "test_support.h"

namespace euler {
namespace {

using testing::PrimesBelowAThousand;
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

// The value of an input, read independently of the program: by the C
// library, after the blanks and tabs that the program skips. The inputs are
// too short for what strtod reads beyond plain numbers (exponents, hex,
// "inf"), and the tests run in the C locale, whose decimal point is ".".
double IndependentValue(const std::u32string& input) {
    const std::string bytes = Utf8(input);
    const std::size_t start = bytes.find_first_not_of(" \t");
    if (start == std::string::npos || std::isspace(static_cast<unsigned char>(bytes[start]))) {
        return 0;  // strtod would skip other white space too
    }
    return std::strtod(bytes.c_str() + start, nullptr);
}

// A number as the transcript writes it: whole numbers without a point, −0 as 0.
std::u32string Written(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value == 0 ? 0.0 : value);
    return {text, text + std::strlen(text)};
}

TEST(InputSweep, EveryShortInputGivesWhatAnIndependentReadingExpects) {
    ASSERT_EQ(std::set<char32_t>(kAlphabet.begin(), kAlphabet.end()).size(), 64u);
    const std::vector<std::u32string> primes = PrimesBelowAThousand();
    const std::vector<std::u32string> inputs = AllInputs();
    int rejected = 0;
    for (const std::u32string& input : inputs) {
        SCOPED_TRACE("input \"" + Utf8(input) + "\"");
        FormModel form;
        form.setInputText(input);
        ASSERT_NO_THROW(CheckNumber(form));

        const double x = IndependentValue(input);
        if (x < 0 || x > 30) {
            ++rejected;
            EXPECT_EQ(form.inputText(), U"?");
            EXPECT_EQ(form.transcript(), TaskText());
            EXPECT_EQ(form.selection(), kNoSelection);
            continue;
        }
        const double value = std::nearbyint(x * (x + 1) + 41);
        const std::u32string result = U"Изчисленото число е: " + Written(value);
        EXPECT_EQ(form.inputText(), input);
        EXPECT_EQ(Utf8(form.transcript()), Utf8(U"Изчислявам: " + Written(x) + U"*" +
                                                Written(x + 1) + U"+41\r\n" + result + U"\r\n"));
        EXPECT_EQ(form.announcement(), result);
        const auto prime = std::find(primes.begin(), primes.end(), Written(value));
        EXPECT_EQ(form.selection(), prime == primes.end() ? kNoSelection : prime - primes.begin());
    }
    EXPECT_EQ(inputs.size(), 1 + kAlphabet.size() + kAlphabet.size() * kAlphabet.size());
    EXPECT_GT(rejected, 0);
    EXPECT_LT(rejected, static_cast<int>(inputs.size()));
    RecordProperty("inputs", static_cast<int>(inputs.size()));
}

}  // namespace
}  // namespace euler
