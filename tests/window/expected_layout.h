#pragma once

#include <QRect>
#include <QSize>
#include <stdexcept>
#include <string_view>

// Where the window's controls stand, in device-independent pixels: the
// layout's twips divided by 15.
inline constexpr QSize kClientArea{462, 345};

struct ExpectedPlace {
    const char* control;
    QRect place;
};

// In the order in which the window creates them.
inline constexpr ExpectedPlace kExpectedPlaces[] = {
    {"Text1(0)", {8, 216, 449, 121}},     {"Text1(1)", {136, 312, 449, 121}},
    {"Label1(0)", {64, 0, 305, 25}},      {"List1", {16, 64, 57, 137}},
    {"Label1(1)", {16, 40, 57, 25}},      {"Text2", {192, 48, 81, 27}},
    {"Label1(2)", {112, 48, 81, 25}},     {"Command1(0)", {120, 96, 161, 33}},
    {"Command1(1)", {288, 160, 161, 33}},
};

// Where the control named `control` stands.
constexpr QRect ExpectedPlaceOf(std::string_view control) {
    for (const ExpectedPlace& expected : kExpectedPlaces) {
        if (expected.control == control) {
            return expected.place;
        }
    }
    throw std::invalid_argument("no such control");
}
