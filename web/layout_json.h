#pragma once

#include <string>

// For the page's tests: the window's caption and size, and each control's
// place in pixels, whether it is shown, its caption and what a screen reader
// says of it, in the window's tab order.
std::string LayoutJson();
