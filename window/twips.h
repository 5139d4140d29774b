#pragma once

#include <QRect>
#include <QSize>

// The window's layout is given in twips, 1/1440 inch: 15 twips make one
// device-independent pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Requires a whole number of pixels: any other value does not compile.
consteval int PixelsFromTwips(int twips) {
    if (twips % kTwipsPerPixel != 0) {
        throw "not a whole number of pixels";
    }
    return twips / kTwipsPerPixel;
}

consteval QSize SizeFromTwips(int width, int height) {
    return {PixelsFromTwips(width), PixelsFromTwips(height)};
}

consteval QRect RectFromTwips(int left, int top, int width, int height) {
    return {PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
            PixelsFromTwips(height)};
}
