#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace euler {

// Reads a decimal number from the start of a text: blanks and tabs are
// skipped, then an optional "+" or "-", then digits with at most one "." as
// decimal point, whatever the locale. The rest of the text is ignored; a text
// that does not start with a number has the value 0.
double ValueOfText(std::u32string_view text);

// Writes a number as a person reads it: a whole number as plain digits, a
// fraction with the given decimal separator, at most 15 significant digits.
std::u32string TextOfNumber(double value, std::u32string_view decimalSeparator);

// The nearest 16-bit integer, a value halfway between two going to the even
// one. Throws std::range_error when the result does not fit in 16 bits.
std::int16_t NearestInt16(double value);

// Plain decimal digits, "-" in front when negative.
std::u32string DecimalText(std::int16_t value);

}  // namespace euler
