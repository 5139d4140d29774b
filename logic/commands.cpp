#include "commands.h"

#include "euler_check.h"
#include "form_state.h"

namespace euler {

void ResetInput(FormState& form) {
    form.setInputText(U"");
    form.setSelection(kNoSelection);
}

void OnLoad(FormState& form) {
    ResetInput(form);
}

void OnCommand(FormState& form, std::int16_t index) {
    switch (index) {
        case kCheckCommand:
            CheckNumber(form);
            break;
        case kClearCommand:
            ResetInput(form);
            form.setTranscript(U"");
            break;
        default:
            break;
    }
}

}  // namespace euler
