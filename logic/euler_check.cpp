#include "euler_check.h"

#include <cstdint>
#include <string>

#include "conversions.h"
#include "form_contents.h"
#include "form_state.h"

namespace euler {

namespace {

constexpr double kLowestN = 0;
constexpr double kHighestN = 30;
constexpr double kStep = 1;
constexpr double kEulerConstant = 41;

constexpr std::u32string_view kRejected = U"?";
constexpr std::u32string_view kCalculating = U"Изчислявам: ";
constexpr std::u32string_view kResult = U"Изчисленото число е: ";

}  // namespace

void CheckNumber(FormState& form) {
    const std::int16_t lastIndex = static_cast<std::int16_t>(form.entryCount() - 1);
    const double x = ValueOfText(form.inputText());
    if (x < kLowestN || x > kHighestN) {
        form.setInputText(kRejected);
        form.announce(form.inputText());
        return;
    }
    const double next = x + kStep;
    const std::int16_t n = NearestInt16(x * next + kEulerConstant);

    // The transcript is built by reading the box back each time, so it holds
    // exactly what the box shows.
    const std::u32string separator = form.decimalSeparator();
    form.setTranscript(kCalculating);
    form.setTranscript(form.transcript() + TextOfNumber(x, separator) + U"*" +
                       TextOfNumber(next, separator) + U"+" +
                       TextOfNumber(kEulerConstant, separator) + std::u32string(kLineBreak));
    const std::u32string result = std::u32string(kResult) + DecimalText(n);
    form.setTranscript(form.transcript() + result + std::u32string(kLineBreak));

    // A fractional N can give a value that is no prime of the list; then
    // nothing stays highlighted beside a transcript that names another value.
    std::int16_t match = kNoSelection;
    for (std::int16_t i = 0; i <= lastIndex; ++i) {
        if (ValueOfText(form.entry(i)) == static_cast<double>(n)) {
            match = i;
        }
    }
    form.setSelection(match);
    form.announce(result);
}

}  // namespace euler
