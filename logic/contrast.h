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

// The least contrast at which a mark that is not text, such as the highlight
// of a list entry, stays plainly visible against its surroundings (WCAG 2.1,
// non-text contrast).
inline constexpr double kVisibleContrast = 3.0;

// The WCAG 2 contrast ratio of two colours: from 1 (the same luminance) to 21
// (black on white). Requires channels in 0..255.
double ContrastRatio(const Rgb& first, const Rgb& second);

// The colour for text on `background`: `preferred` (the platform's own text
// colour) where it is readable there, otherwise black or white, whichever
// contrasts more.
Rgb ReadableTextColour(const Rgb& background, const Rgb& preferred);

// How a list of `base` background shows its highlighted entry.
struct Highlight {
    Rgb background;
    Rgb text;
};

// The highlight of the program's answer in the prime list, the same whether
// or not the list has the focus: the platform's own (focused) highlight where
// it stands out from `base`, otherwise black or white, whichever stands out
// more; its text in `preferredText` where readable on it, otherwise black or
// white.
Highlight VisibleHighlight(const Rgb& base, const Rgb& preferredBackground,
                           const Rgb& preferredText);

}  // namespace euler
