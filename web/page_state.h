#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "form_state.h"

// The window's state on the page: FormState over the page's native controls,
// which the page's script hands over as an object with one method for each
// operation (the same names, taking and giving JavaScript strings and
// numbers):
//
//     inputText(), setInputText(text), transcript(), setTranscript(text),
//     entryCount(), entry(index), setSelection(index), decimalSeparator(),
//     announce(text)
//
// Texts cross as they stand in the controls: a text box's lines end in LF,
// the program's in CR LF, and this class turns one into the other.
class PageState final : public euler::FormState {
public:
    explicit PageState(emscripten::val controls) : controls_(std::move(controls)) {}

    std::u32string inputText() const override;
    void setInputText(std::u32string_view text) override;
    std::u32string transcript() const override;
    void setTranscript(std::u32string_view text) override;
    std::int16_t entryCount() const override;
    std::u32string entry(std::int16_t index) const override;
    void setSelection(std::int16_t index) override;
    std::u32string decimalSeparator() const override;
    void announce(std::u32string_view text) override;

private:
    std::u32string read(const char* getter) const;
    template <typename... Arguments>
    void call(const char* method, Arguments&&... arguments);

    emscripten::val controls_;
};
