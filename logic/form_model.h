#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "form_state.h"

namespace euler {

// The window's state in plain fields, for running the logic without a window.
// It starts with the contents that the window shows when it opens.
class FormModel final : public FormState {
public:
    explicit FormModel(std::u32string decimalSeparator = U".");

    std::u32string inputText() const override { return input_; }
    void setInputText(std::u32string_view text) override;

    std::u32string transcript() const override { return transcript_; }
    void setTranscript(std::u32string_view text) override { transcript_ = text; }

    std::int16_t entryCount() const override;
    std::u32string entry(std::int16_t index) const override;
    void setSelection(std::int16_t index) override;

    std::u32string decimalSeparator() const override { return decimalSeparator_; }
    void announce(std::u32string_view text) override { announcement_ = text; }

    std::int16_t selection() const { return selection_; }
    const std::u32string& quotation() const { return quotation_; }
    // The last text announced; empty before the first.
    const std::u32string& announcement() const { return announcement_; }

private:
    std::u32string input_;
    std::u32string transcript_;
    std::u32string quotation_;
    std::vector<std::u32string> entries_;
    std::int16_t selection_ = kNoSelection;
    std::u32string decimalSeparator_;
    std::u32string announcement_;
};

}  // namespace euler
