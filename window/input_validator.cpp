#include "input_validator.h"

#include "input_limit.h"

QValidator::State InputValidator::validate(QString& input, int& pos) const {
    const euler::InputEdit edit = euler::LimitInputEdit(
        accepted_.toStdU32String(), input.toStdU32String(),
        static_cast<std::size_t>(QStringView(input).left(pos).toUcs4().size()));
    if (edit.refused) {
        // Qt then takes the edit back itself: text, cursor and undo history
        // are as before it. Changing the text here instead would clear the
        // history (QWidgetLineControl::internalSetText, Qt 6.4 and 6.8).
        return Invalid;
    }
    input = QString::fromStdU32String(edit.text);
    pos = static_cast<int>(QString::fromStdU32String(edit.text.substr(0, edit.cursor)).size());
    accepted_ = input;
    return Acceptable;
}
