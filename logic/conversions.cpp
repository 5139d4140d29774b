#include "conversions.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

namespace euler {

namespace {

constexpr int kSignificantDigits = 15;

std::u32string Widen(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// Debian 12's Emscripten (3.1.6) ships a libc++ without the floating-point
// std::from_chars and std::to_chars, and without __cpp_lib_to_chars. There,
// strtod and snprintf stand in for them: they read and write the same digits
// in the "C" locale, which the program never leaves, and to_chars with a
// precision is defined as printf's %.*g.

// The number that `digits` (decimal digits with at most one ".") writes; no
// value when it lies beyond the range of a double.
std::optional<double> DecimalValue(const std::string& digits) {
#ifdef __cpp_lib_to_chars
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    return value;
#else
    errno = 0;
    const double value = std::strtod(digits.c_str(), nullptr);
    if (errno == ERANGE) {
        return std::nullopt;
    }
    return value;
#endif
}

// `value` with at most kSignificantDigits significant digits, as %g writes it.
std::string GeneralText(double value) {
    char buffer[32];
#ifdef __cpp_lib_to_chars
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::general, kSignificantDigits);
    return {buffer, end};
#else
    return {buffer, static_cast<std::size_t>(
                        std::snprintf(buffer, sizeof buffer, "%.*g", kSignificantDigits, value))};
#endif
}

}  // namespace

double ValueOfText(std::u32string_view text) {
    std::size_t pos = text.find_first_not_of(U" \t");
    if (pos == std::u32string_view::npos) {
        return 0.0;
    }
    bool negative = false;
    if (text[pos] == U'+' || text[pos] == U'-') {
        negative = text[pos] == U'-';
        ++pos;
    }
    std::string number;
    bool hasPoint = false;
    for (; pos < text.size(); ++pos) {
        const char32_t c = text[pos];
        if (c >= U'0' && c <= U'9') {
            number += static_cast<char>(c);
        } else if (c == U'.' && !hasPoint) {
            hasPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    const std::size_t firstSignificant = number.find_first_of("123456789");
    if (firstSignificant == std::string::npos) {
        return negative ? -0.0 : 0.0;
    }
    // Without an exponent, only hundreds of digits lie beyond the range of a
    // double: before the point they overflow, after it they underflow.
    const double magnitude = DecimalValue(number).value_or(
        firstSignificant < number.find('.') ? std::numeric_limits<double>::infinity() : 0.0);
    return negative ? -magnitude : magnitude;
}

std::u32string TextOfNumber(double value, std::u32string_view decimalSeparator) {
    if (value == 0.0) {
        value = 0.0;  // -0 reads as 0
    }
    std::u32string text;
    for (const char c : GeneralText(value)) {
        if (c == '.') {
            text += decimalSeparator;
        } else {
            text += static_cast<char32_t>(c);
        }
    }
    return text;
}

std::int16_t NearestInt16(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double nearest = below + 1.0;
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0.0)) {
        nearest = below;
    }
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    if (!(nearest >= kLowest && nearest <= kHighest)) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.17g", value);
        throw std::range_error(std::string("number out of the 16-bit range: ") + shown);
    }
    return static_cast<std::int16_t>(nearest);
}

std::u32string DecimalText(std::int16_t value) {
    return Widen(std::to_string(value));
}

}  // namespace euler
