#pragma once

#include <string>
#include <string_view>

#include "contrast.h"
#include "form_layout.h"

// The window's texts, colours and places as the site's files write them.
namespace site {

// A text as HTML text or as an attribute value in double quotes.
std::string Html(std::u32string_view text);

// A text as a JSON string, quotes included.
std::string Json(std::u32string_view text);

// A colour as CSS: "rgb(192 192 255)".
std::string Css(const euler::Rgb& colour);

// A control's name as a CSS selector: "#Text1\(0\)".
std::string CssId(std::string_view name);

// A place in twips as CSS in pixels: "left:8px;top:216px;width:449px;height:121px".
std::string CssPlace(const euler::Place& twips);

}  // namespace site
