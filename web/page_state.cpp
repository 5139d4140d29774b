#include "page_state.h"

#include <utility>

#include "form_contents.h"
#include "js_text.h"

std::u32string PageState::read(const char* getter) const {
    return FromJs(controls_.call<std::wstring>(getter));
}

template <typename... Arguments>
void PageState::call(const char* method, Arguments&&... arguments) {
    controls_.call<void>(method, std::forward<Arguments>(arguments)...);
}

std::u32string PageState::inputText() const {
    return read("inputText");
}

void PageState::setInputText(std::u32string_view text) {
    call("setInputText", ToJs(text.substr(0, euler::kInputMaxLength)));
}

std::u32string PageState::transcript() const {
    return euler::ProgramLines(read("transcript"));
}

void PageState::setTranscript(std::u32string_view text) {
    call("setTranscript", ToJs(euler::ShownLines(text)));
}

std::int16_t PageState::entryCount() const {
    return static_cast<std::int16_t>(controls_.call<int>("entryCount"));
}

std::u32string PageState::entry(std::int16_t index) const {
    euler::RequireEntryIndex(index, entryCount());
    return FromJs(controls_.call<std::wstring>("entry", static_cast<int>(index)));
}

void PageState::setSelection(std::int16_t index) {
    euler::RequireSelectionIndex(index, entryCount());
    call("setSelection", static_cast<int>(index));
}

std::u32string PageState::decimalSeparator() const {
    return read("decimalSeparator");
}

void PageState::announce(std::u32string_view text) {
    call("announce", ToJs(text));
}
