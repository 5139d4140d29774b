#pragma once

namespace euler {

class FormState;

// The "Въведи" command: reads N from the input box, answers a value outside
// [0..30] with "?" there, and otherwise writes the calculation of
// N*(N+1)+41 into the transcript and selects that value in the prime list,
// or nothing when the list does not hold it.
void CheckNumber(FormState& form);

}  // namespace euler
