#pragma once

#include <string>
#include <string_view>

// Texts between the logic and JavaScript. embind carries std::wstring, whose
// wchar_t holds one code point in WebAssembly, as the logic counts
// characters; a JavaScript string is UTF-16.
static_assert(sizeof(wchar_t) == sizeof(char32_t));

inline std::u32string FromJs(const std::wstring& text) {
    return {text.begin(), text.end()};
}

inline std::wstring ToJs(std::u32string_view text) {
    return {text.begin(), text.end()};
}
