#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace euler {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Black or white, whichever contrasts more with `background`.
Rgb BlackOrWhiteOn(const Rgb& background) {
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

double LinearChannel(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const Rgb& colour) {
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
           0.0722 * LinearChannel(colour.blue);
}

}  // namespace

double ContrastRatio(const Rgb& first, const Rgb& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb ReadableTextColour(const Rgb& background, const Rgb& preferred) {
    if (ContrastRatio(preferred, background) >= kReadableContrast) {
        return preferred;
    }
    return BlackOrWhiteOn(background);
}

Highlight VisibleHighlight(const Rgb& base, const Rgb& preferredBackground,
                           const Rgb& preferredText) {
    const Rgb background = ContrastRatio(preferredBackground, base) >= kVisibleContrast
                               ? preferredBackground
                               : BlackOrWhiteOn(base);
    return {background, ReadableTextColour(background, preferredText)};
}

}  // namespace euler
