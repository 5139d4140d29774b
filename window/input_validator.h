#pragma once

#include <QString>
#include <QValidator>

// Holds the input box to the logic's limit of characters, counted as the
// logic counts them: a character outside the Basic Multilingual Plane is one
// character, not two UTF-16 units, and is never cut in half.
class InputValidator : public QValidator {
public:
    explicit InputValidator(QObject* parent) : QValidator(parent) {}

    // Cuts what an edit brings so that the box keeps at most the limit; an
    // edit of which nothing is kept is Invalid, and the box takes it back.
    State validate(QString& input, int& pos) const override;

private:
    // The text as it stood after the last validation: the edit is what differs.
    mutable QString accepted_;
};
