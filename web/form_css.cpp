#include "form_css.h"

#include <sstream>
#include <string>

#include "contrast.h"
#include "form_layout.h"
#include "markup.h"
#include "utf8.h"

namespace {

// The window centred on a screen larger than it, in whole pixels: as much
// room on its left as on its right; above it, half the room left over, or on
// an upright screen a third, so that a tablet's keyboard rising over the
// bottom of the screen leaves the window in view. A browser without round()
// keeps the window at the top left.
std::string Centred(const euler::Place& window) {
    const auto room = [](const std::string& whole, int size, int share) {
        return "max(0px,round(down,(" + whole + " - " + std::to_string(size) + "px)/" +
               std::to_string(share) + ",1px))";
    };
    const std::string left = "margin-left:" + room("100%", window.width, 2);
    const auto top = [&](int share) {
        return "margin-top:" + room("100vh", window.height, share) +
               ";margin-top:" + room("100dvh", window.height, share);
    };
    return "#window{" + left + ";" + top(2) + "}\n@media (orientation: portrait){#window{" +
           top(3) + "}}\n";
}

}  // namespace

std::string FormCss() {
    using site::Css;
    using site::CssId;
    using site::CssPlace;
    const euler::Place window = euler::InPixels(euler::kClientArea);
    std::ostringstream css;
    css << "/* Written from the window's description when the site is built. */\n"
        << ":root{--program-font:\"" << euler::Utf8(euler::kFontFamily)
        << "\";--program-font-size:" << euler::kFontPointSize
        << "pt;--window-colour:" << Css(euler::kWindowColour) << "}\n";
    for (const euler::Control& control : euler::kControls) {
        if (control.kind == euler::ControlKind::kLabel ||
            control.kind == euler::ControlKind::kButton) {
            // The text keeps the page's black where it is readable.
            css << CssId(control.name) << "{background-color:" << Css(control.background)
                << ";color:" << Css(euler::ReadableTextColour(control.background, {0, 0, 0}))
                << "}\n";
        }
    }
    // From the window's width up, the window itself, on the page's backdrop.
    // Each label overlaps its control's frame by a pixel and lies beneath it,
    // so that the frame stays whole.
    css << "@media (width >= " << window.width << "px){\n"
        << "html{background-color:var(--backdrop)}\n"
        << "#window{position:relative;width:" << window.width << "px;height:" << window.height
        << "px;outline:1px solid var(--window-frame)}\n"
        << Centred(window) << "#window>*{position:absolute;margin:0;z-index:1}\n";
    for (const euler::Control& control : euler::kControls) {
        css << CssId(control.name) << "{" << CssPlace(control.place)
            << (control.kind == euler::ControlKind::kLabel ? ";z-index:0" : "") << "}\n";
    }
    // A failure to load is told where the calculation would stand.
    css << "#problem{" << CssPlace(euler::kControls[euler::kTranscriptBox].place) << "}\n}\n";
    return css.str();
}
