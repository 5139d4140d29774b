#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "contrast.h"

namespace euler {

// What the window looks like, for every view that shows it: its caption,
// size, colour and font, and its controls in tab order, each with its place,
// caption, colour and what a screen reader says of it.

// Places are in twips, 1/1440 inch, from the top-left corner of the window's
// client area: 15 twips make one pixel at 96 dots per inch (one CSS pixel).
inline constexpr int kTwipsPerPixel = 15;

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The same place in pixels. Requires a whole number of pixels in each field,
// as every place below has (checked while compiling).
constexpr Place InPixels(const Place& twips) {
    return {twips.left / kTwipsPerPixel, twips.top / kTwipsPerPixel, twips.width / kTwipsPerPixel,
            twips.height / kTwipsPerPixel};
}

inline constexpr std::u32string_view kWindowCaption =
    U"https://www.example.org Информатика - функция на Ойлер";
inline constexpr Place kClientArea{0, 0, 6930, 5175};
inline constexpr Rgb kWindowColour{192, 192, 255};

// The font of the window and of every control in it.
inline constexpr std::u32string_view kFontFamily = U"Times New Roman";
inline constexpr int kFontPointSize = 12;

enum class ControlKind { kTextBox, kLabel, kList, kInputBox, kButton };

// Indexes of kControls, in tab order.
enum ControlIndex : std::size_t {
    kTranscriptBox,
    kQuotationBox,
    kTitleLabel,
    kPrimeList,
    kPrimeListLabel,
    kInputBox,
    kInputLabel,
    kCheckButton,
    kClearButton,
    kControlCount,
    kNoControl = kControlCount,
};

struct Control {
    std::string_view name{};  // as the logic knows it: "Text1(0)"
    ControlKind kind{};
    Place place{};
    std::u32string_view caption{};  // of labels and buttons
    // Labels and buttons are drawn in their own colour; the text boxes and
    // the list keep the platform's.
    Rgb background{};
    ControlIndex labelled = kNoControl;  // the control that a label names
    bool shown = true;
    // What a screen reader says of the controls that take the focus.
    std::u32string_view accessibleName{};
    std::u32string_view accessibleDescription{};
};

inline constexpr Rgb kLabelColour{255, 192, 128};

inline constexpr std::array<Control, kControlCount> kControls{{
    {.name = "Text1(0)",
     .kind = ControlKind::kTextBox,
     .place = {120, 3240, 6735, 1815},
     .accessibleName = U"Условие и изчисление",
     .accessibleDescription =
         U"Условието на задачата, а след проверка изчислението и полученото число"},
    {.name = "Text1(1)",
     .kind = ControlKind::kTextBox,
     .place = {2040, 4680, 6735, 1815},
     .shown = false},
    {.name = "Label1(0)",
     .kind = ControlKind::kLabel,
     .place = {960, 0, 4575, 375},
     .caption = U"Ойлер - просто число",
     .background = kLabelColour},
    {.name = "List1",
     .kind = ControlKind::kList,
     .place = {240, 960, 855, 2055},
     .accessibleName = U"Прости числа под 1000",
     .accessibleDescription =
         U"Всички 168 прости числа под 1000; след проверка полученото число е маркирано"},
    {.name = "Label1(1)",
     .kind = ControlKind::kLabel,
     .place = {240, 600, 855, 375},
     .caption = U"прости",
     .background = kLabelColour,
     .labelled = kPrimeList},
    {.name = "Text2",
     .kind = ControlKind::kInputBox,
     .place = {2880, 720, 1215, 405},
     .accessibleName = U"N от 0 до 30",
     .accessibleDescription = U"Въведете естествено число N от 0 до 30 и натиснете „Въведи“"},
    {.name = "Label1(2)",
     .kind = ControlKind::kLabel,
     .place = {1680, 720, 1215, 375},
     .caption = U"N [0..30]: ",
     .background = kLabelColour,
     .labelled = kInputBox},
    {.name = "Command1(0)",
     .kind = ControlKind::kButton,
     .place = {1800, 1440, 2415, 495},
     .caption = U"Въведи",
     .background = {128, 255, 128},
     .accessibleName = U"Въведи",
     .accessibleDescription = U"Изчислява N*(N+1)+41 и маркира полученото число в списъка"},
    {.name = "Command1(1)",
     .kind = ControlKind::kButton,
     .place = {4320, 2400, 2415, 495},
     .caption = U"Чисти",
     .background = {255, 0, 0},
     .accessibleName = U"Чисти",
     .accessibleDescription = U"Изчиства въведеното число, маркировката и изчислението"},
}};

constexpr bool InWholePixels(const Place& twips) {
    return twips.left % kTwipsPerPixel == 0 && twips.top % kTwipsPerPixel == 0 &&
           twips.width % kTwipsPerPixel == 0 && twips.height % kTwipsPerPixel == 0;
}
static_assert(InWholePixels(kClientArea) &&
              std::all_of(kControls.begin(), kControls.end(),
                          [](const Control& c) { return InWholePixels(c.place); }));

}  // namespace euler
