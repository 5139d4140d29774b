#include "input_validator.h"

#include "input_limit.h"

QValidator::State InputValidator::validate(QString& input, int& pos) const {
    const euler::InputEdit edit = euler::LimitInputEdit(
        accepted_.toStdU32String(), input.toStdU32String(),
        static_cast<std::size_t>(QStringView(input).left(pos).toUcs4().size()));
    input = QString::fromStdU32String(edit.text);
    pos = static_cast<int>(QString::fromStdU32String(edit.text.substr(0, edit.cursor)).size());
    accepted_ = input;
    return Acceptable;
}
