#pragma once

#include <QColor>

#include "contrast.h"

// Qt's colours and the logic's, which decides on contrast.
inline euler::Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

inline QColor ToQColor(const euler::Rgb& colour) {
    return {colour.red, colour.green, colour.blue};
}
