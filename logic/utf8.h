#pragma once

#include <string>
#include <string_view>

namespace euler {

// The UTF-8 bytes of a text. Requires: every character a Unicode scalar value
// (at most U+10FFFF, no surrogate).
std::string Utf8(std::u32string_view text);

}  // namespace euler
