#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace euler {

// The window's controls as the check logic sees them. The logic reads and
// writes the window only through these operations, so it runs the same on
// real controls and on the windowless FormModel.
//
// Texts are Unicode; one char32_t is one character. Line breaks are CR LF.
// An operation that fails throws (a control that is gone, an index outside
// the list); the logic lets the failure pass unchanged, and what was written
// before it stays written.
class FormState {
public:
    virtual ~FormState() = default;

    // Text2, the input box. Its text never holds more than kInputMaxLength
    // characters: a set keeps the first kInputMaxLength characters of `text`.
    virtual std::u32string inputText() const = 0;
    virtual void setInputText(std::u32string_view text) = 0;

    // Text1(0): the task text at start, the transcript of a check later. A set
    // replaces the whole text, and a get returns exactly what was set.
    virtual std::u32string transcript() const = 0;
    virtual void setTranscript(std::u32string_view text) = 0;

    // List1, the prime list: the number of entries, from 0 up.
    virtual std::int16_t entryCount() const = 0;
    // The text of the entry at `index`. Requires 0 <= index < entryCount();
    // throws std::out_of_range otherwise.
    virtual std::u32string entry(std::int16_t index) const = 0;
    // Highlights the entry at `index`, or none for kNoSelection, in place of
    // any earlier highlight. Requires 0 <= index < entryCount() or
    // kNoSelection; throws std::out_of_range otherwise.
    virtual void setSelection(std::int16_t index) = 0;

    // The user's decimal separator, as the platform reports it; not empty.
    virtual std::u32string decimalSeparator() const = 0;

    // Tells a screen reader user what a command just showed away from the
    // focus: `text` is what the window now shows there. A sighted user
    // already sees it, so the window shows nothing new.
    virtual void announce(std::u32string_view text) = 0;

protected:
    FormState() = default;
    FormState(const FormState&) = default;
    FormState& operator=(const FormState&) = default;
};

inline constexpr std::int16_t kNoSelection = -1;
inline constexpr std::size_t kInputMaxLength = 2;

// For implementations of FormState: throw std::out_of_range unless `index`
// names one of `count` list entries, or, for a selection, kNoSelection.
void RequireEntryIndex(std::int16_t index, std::int16_t count);
void RequireSelectionIndex(std::int16_t index, std::int16_t count);

}  // namespace euler
