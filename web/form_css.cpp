#include "form_css.h"

#include <sstream>

#include "contrast.h"
#include "form_layout.h"
#include "markup.h"
#include "utf8.h"

std::string FormCss() {
    using site::Css;
    using site::CssId;
    using site::CssPlace;
    const euler::Place window = euler::InPixels(euler::kClientArea);
    std::ostringstream css;
    css << "/* Written from the window's description when the site is built. */\n"
        << ":root{--program-font:\"" << euler::Utf8(euler::kFontFamily)
        << "\";--program-font-size:" << euler::kFontPointSize << "pt}\n"
        << "#window{background-color:" << Css(euler::kWindowColour) << "}\n";
    for (const euler::Control& control : euler::kControls) {
        if (control.kind == euler::ControlKind::kLabel ||
            control.kind == euler::ControlKind::kButton) {
            // The text keeps the page's black where it is readable.
            css << CssId(control.name) << "{background-color:" << Css(control.background)
                << ";color:" << Css(euler::ReadableTextColour(control.background, {0, 0, 0}))
                << "}\n";
        }
    }
    css << "@media (width >= " << window.width << "px){\n"
        << "#window{position:relative;width:" << window.width << "px;height:" << window.height
        << "px}\n"
        << "#window>*{position:absolute;margin:0}\n";
    for (const euler::Control& control : euler::kControls) {
        css << CssId(control.name) << "{" << CssPlace(control.place) << "}\n";
    }
    // A failure to load is told where the calculation would stand.
    css << "#problem{" << CssPlace(euler::kControls[euler::kTranscriptBox].place) << "}\n}\n";
    return css.str();
}
