#include "layout_json.h"

#include <sstream>

#include "form_layout.h"
#include "markup.h"

namespace {

std::string Place(const euler::Place& twips) {
    const euler::Place pixels = euler::InPixels(twips);
    return "\"left\": " + std::to_string(pixels.left) + ", \"top\": " + std::to_string(pixels.top) +
           ", \"width\": " + std::to_string(pixels.width) +
           ", \"height\": " + std::to_string(pixels.height);
}

std::string KindName(euler::ControlKind kind) {
    switch (kind) {
        case euler::ControlKind::kTextBox:
            return "textBox";
        case euler::ControlKind::kLabel:
            return "label";
        case euler::ControlKind::kList:
            return "list";
        case euler::ControlKind::kInputBox:
            return "inputBox";
        case euler::ControlKind::kButton:
            return "button";
    }
    return "";
}

}  // namespace

std::string LayoutJson() {
    using site::Json;
    std::ostringstream json;
    json << "{\n  \"caption\": " << Json(euler::kWindowCaption) << ",\n  \"window\": {"
         << Place(euler::kClientArea) << "},\n  \"controls\": [\n";
    for (std::size_t i = 0; i < euler::kControlCount; ++i) {
        const euler::Control& control = euler::kControls[i];
        const std::u32string name(control.name.begin(), control.name.end());
        json << "    {\"name\": " << Json(name) << ", \"kind\": \"" << KindName(control.kind)
             << "\", " << Place(control.place)
             << ", \"shown\": " << (control.shown ? "true" : "false")
             << ", \"caption\": " << Json(control.caption)
             << ", \"accessibleName\": " << Json(control.accessibleName)
             << ", \"accessibleDescription\": " << Json(control.accessibleDescription) << "}"
             << (i + 1 < euler::kControlCount ? "," : "") << "\n";
    }
    json << "  ]\n}\n";
    return json.str();
}
