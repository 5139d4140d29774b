#include "markup.h"

#include <cstdio>

#include "utf8.h"

namespace site {

std::string Html(std::u32string_view text) {
    std::string escaped;
    for (const char c : euler::Utf8(text)) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Json(std::u32string_view text) {
    std::string json = "\"";
    for (const char c : euler::Utf8(text)) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string Css(const euler::Rgb& colour) {
    return "rgb(" + std::to_string(colour.red) + " " + std::to_string(colour.green) + " " +
           std::to_string(colour.blue) + ")";
}

std::string CssId(std::string_view name) {
    std::string selector = "#";
    for (const char c : name) {
        if (c == '(' || c == ')') {
            selector += '\\';
        }
        selector += c;
    }
    return selector;
}

std::string CssPlace(const euler::Place& twips) {
    const euler::Place pixels = euler::InPixels(twips);
    return "left:" + std::to_string(pixels.left) + "px;top:" + std::to_string(pixels.top) +
           "px;width:" + std::to_string(pixels.width) +
           "px;height:" + std::to_string(pixels.height) + "px";
}

}  // namespace site
