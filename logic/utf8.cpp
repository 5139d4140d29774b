#include "utf8.h"

#include <cstdint>

namespace euler {

std::string Utf8(std::u32string_view text) {
    std::string bytes;
    for (const char32_t c : text) {
        const auto put = [&bytes](std::uint32_t byte) { bytes += static_cast<char>(byte); };
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

}  // namespace euler
