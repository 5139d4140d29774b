// Arbitrary bytes as the text of the input box: whole to the number
// conversions, and cut to what the box keeps through the check command.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "conversions.h"
#include "euler_check.h"
#include "form_contents.h"
#include "form_model.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// UTF-8 as a text box would take it: a byte that starts no valid sequence
// stands for U+FFFD.
std::u32string DecodeUtf8(const std::uint8_t* data, std::size_t size) {
    std::u32string text;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t lead = data[i];
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= size;
        for (int k = 1; valid && k < length; ++k) {
            valid = (data[i + k] & 0xC0) == 0x80;
            c = (c << 6) | (data[i + k] & 0x3F);
        }
        valid = valid && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        text += valid ? c : kReplacement;
        i += valid ? length : 1;
    }
    return text;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckConversions(const std::u32string& text) {
    const double value = euler::ValueOfText(text);
    Require(!std::isnan(value));
    try {
        const std::int16_t nearest = euler::NearestInt16(value);
        Require(std::fabs(nearest - value) <= 0.5);
    } catch (const std::range_error&) {
        Require(!(std::fabs(value) < 32767));
    }
    // Fifteen significant digits come back as the same number, to rounding,
    // wherever the text has no exponent.
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || (magnitude >= 1e-4 && magnitude < 1e15)) {
        const double again = euler::ValueOfText(euler::TextOfNumber(value, U"."));
        Require(std::fabs(again - value) <= magnitude * 1e-14);
    }
}

void CheckCommand(const std::u32string& text) {
    euler::FormModel form;
    form.setInputText(text);
    euler::CheckNumber(form);
    Require(form.inputText().size() <= euler::kInputMaxLength);
    if (form.transcript() == euler::TaskText()) {
        Require(form.inputText() == U"?" && form.selection() == euler::kNoSelection);
        return;
    }
    Require(form.transcript().rfind(U"Изчислявам: ", 0) == 0);
    if (form.selection() != euler::kNoSelection) {
        const std::u32string ending =
            U"Изчисленото число е: " + form.entry(form.selection()) + U"\r\n";
        const std::u32string transcript = form.transcript();
        Require(transcript.size() > ending.size() &&
                transcript.compare(transcript.size() - ending.size(), ending.size(), ending) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u32string text = DecodeUtf8(data, size);
    CheckConversions(text);
    CheckCommand(text);
    return 0;
}
