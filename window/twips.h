#pragma once

#include <QRect>
#include <QSize>

// The window's layout is given in twips, 1/1440 inch: 15 twips make one
// device-independent pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr QSize SizeFromTwips(int width, int height) {
    return {width / kTwipsPerPixel, height / kTwipsPerPixel};
}

constexpr QRect RectFromTwips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}
