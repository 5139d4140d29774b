#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <algorithm>

#include "contrast.h"

// The colour of the pixel of `image` at `at`.
inline euler::Rgb PixelColour(const QImage& image, QPoint at) {
    const QRgb pixel = image.pixel(at);
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

// The highest contrast that a pixel of `area` makes with `background`: where
// text is drawn in `area`, that of the text.
inline double BestContrast(const QImage& image, const QRect& area, const euler::Rgb& background) {
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max(best, euler::ContrastRatio(PixelColour(image, {x, y}), background));
        }
    }
    return best;
}

// A dark theme: light text on dark backgrounds.
inline QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        dark.setColor(text, QColor(238, 238, 236));
    }
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}
