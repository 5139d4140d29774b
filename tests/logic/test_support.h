#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "form_model.h"
#include "form_state.h"
#include "utf8.h"

namespace euler::testing {

using euler::Utf8;

// The primes below 1000 in decimal, by the sieve of Eratosthenes:
// independent of the program's own prime test.
inline std::vector<std::u32string> PrimesBelowAThousand() {
    std::vector<bool> composite(1000, false);
    std::vector<std::u32string> primes;
    for (int n = 2; n < 1000; ++n) {
        if (!composite[n]) {
            const std::string digits = std::to_string(n);
            primes.emplace_back(digits.begin(), digits.end());
            for (int multiple = n * n; multiple < 1000; multiple += n) {
                composite[multiple] = true;
            }
        }
    }
    return primes;
}

// Passes every operation to a FormModel; a test overrides the one it wants
// to change, to shorten the list or make a control fail.
class ForwardingForm : public FormState {
public:
    explicit ForwardingForm(FormModel& model) : model_(model) {}

    std::u32string inputText() const override { return model_.inputText(); }
    void setInputText(std::u32string_view text) override { model_.setInputText(text); }
    std::u32string transcript() const override { return model_.transcript(); }
    void setTranscript(std::u32string_view text) override { model_.setTranscript(text); }
    std::int16_t entryCount() const override { return model_.entryCount(); }
    std::u32string entry(std::int16_t index) const override { return model_.entry(index); }
    void setSelection(std::int16_t index) override { model_.setSelection(index); }
    std::u32string decimalSeparator() const override { return model_.decimalSeparator(); }
    void announce(std::u32string_view text) override { model_.announce(text); }

protected:
    FormModel& model_;
};

}  // namespace euler::testing
