// What the page's script calls in the logic: the commands of the two buttons,
// the input box's limit, the prime list's keys and the colours of the prime
// found.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands.h"
#include "contrast.h"
#include "input_limit.h"
#include "js_text.h"
#include "list_cursor.h"
#include "page_state.h"

namespace {

using emscripten::val;

// A click on command button `index`, with the page's controls (PageState).
void OnCommand(val controls, int index) {
    PageState page(std::move(controls));
    euler::OnCommand(page, static_cast<std::int16_t>(index));
}

// The browser counts a text in UTF-16 units, the logic in characters; a
// character outside the Basic Multilingual Plane takes two units.
std::size_t Utf16Units(char32_t c) {
    return c > 0xFFFF ? 2 : 1;
}

std::size_t Utf16Length(std::u32string_view text) {
    std::size_t units = 0;
    for (const char32_t c : text) {
        units += Utf16Units(c);
    }
    return units;
}

// How many characters of `text` its first `units` UTF-16 units hold.
std::size_t CharactersIn(std::u32string_view text, std::size_t units) {
    std::size_t characters = 0;
    for (std::size_t counted = 0; characters < text.size() && counted < units; ++characters) {
        counted += Utf16Units(text[characters]);
    }
    return characters;
}

// What the input box keeps of an edit that turned `before` into `after`, the
// cursor `cursor` UTF-16 units into `after`: { text, cursor } likewise.
val LimitInput(const std::wstring& before, const std::wstring& after, int cursor) {
    const std::u32string edited = FromJs(after);
    const euler::InputEdit kept =
        euler::LimitInputEdit(FromJs(before), edited,
                              CharactersIn(edited, static_cast<std::size_t>(std::max(cursor, 0))));
    val result = val::object();
    result.set("text", ToJs(kept.text));
    result.set("cursor", Utf16Length(std::u32string_view(kept.text).substr(0, kept.cursor)));
    return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(euler) {
    using namespace emscripten;
    value_array<euler::Rgb>("Rgb")
        .element(&euler::Rgb::red)
        .element(&euler::Rgb::green)
        .element(&euler::Rgb::blue);
    value_object<euler::Highlight>("Highlight")
        .field("background", &euler::Highlight::background)
        .field("text", &euler::Highlight::text);
    enum_<euler::ListKey>("ListKey")
        .value("Up", euler::ListKey::kUp)
        .value("Down", euler::ListKey::kDown)
        .value("PageUp", euler::ListKey::kPageUp)
        .value("PageDown", euler::ListKey::kPageDown)
        .value("Home", euler::ListKey::kHome)
        .value("End", euler::ListKey::kEnd);
    function("onCommand", &OnCommand);
    function("limitInput", &LimitInput);
    function("listCursorAfter", &euler::ListCursorAfter);
    function("listCursorOnFocus", &euler::ListCursorOnFocus);
    function("visibleHighlight", &euler::VisibleHighlight);
}
