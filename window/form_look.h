#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "contrast.h"
#include "form_layout.h"

// The form's look in Qt's terms: its font, and Qt's colours and the logic's,
// which decides on contrast.

// The font of the window and of every control in it; the application's too,
// so that Qt's own dialogs match.
inline QFont FormFont() {
    const std::u32string_view family = euler::kFontFamily;
    QFont font(QString::fromUcs4(family.data(), static_cast<qsizetype>(family.size())),
               euler::kFontPointSize, QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

inline euler::Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

inline QColor ToQColor(const euler::Rgb& colour) {
    return {colour.red, colour.green, colour.blue};
}
