#pragma once

namespace euler {

// A colour of 8-bit sRGB channels.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The least contrast at which normal text stays readable (WCAG 2, level AA).
inline constexpr double kReadableContrast = 4.5;

// The WCAG 2 contrast ratio of two colours: from 1 (the same luminance) to 21
// (black on white). Requires channels in 0..255.
double ContrastRatio(const Rgb& first, const Rgb& second);

// The colour for text on `background`: `preferred` (the platform's own text
// colour) where it is readable there, otherwise black or white, whichever
// contrasts more.
Rgb ReadableTextColour(const Rgb& background, const Rgb& preferred);

}  // namespace euler
