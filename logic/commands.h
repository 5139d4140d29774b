#pragma once

#include <cstdint>

namespace euler {

class FormState;

// Indexes of the two command buttons.
inline constexpr std::int16_t kCheckCommand = 0;
inline constexpr std::int16_t kClearCommand = 1;

// Empties the input box and removes the list's selection; leaves the transcript.
void ResetInput(FormState& form);

// The window and its controls exist; the user has not acted yet.
void OnLoad(FormState& form);

// A click on command button `index`: kCheckCommand runs CheckNumber,
// kClearCommand empties input, selection and transcript; others do nothing.
void OnCommand(FormState& form, std::int16_t index);

}  // namespace euler
