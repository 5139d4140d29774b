// Writes the page and its web-app manifest from the window's description, so
// that the page shows its controls with their contents as soon as it arrives,
// before the logic has loaded: the controls in the state that the window has
// after its load event. Run at build time under node:
//
//     make_site SITE_FOLDER LAYOUT.json
//
// LAYOUT.json lists each control's place in pixels and what a screen reader
// says of it, for the page's tests.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "commands.h"
#include "contrast.h"
#include "form_contents.h"
#include "form_layout.h"
#include "form_model.h"

namespace {

using euler::Control;
using euler::ControlKind;

std::string Utf8(std::u32string_view text) {
    std::string bytes;
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

// A text as HTML text or attribute value; JSON strings need the same.
std::string Escaped(std::u32string_view text) {
    std::string escaped;
    for (const char c : Utf8(text)) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string JsonString(std::u32string_view text) {
    std::string json = "\"";
    for (const char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            json += '\\';
        }
        json += c;
    }
    return json + "\"";
}

std::u32string Widened(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

std::string Css(const euler::Rgb& colour) {
    return "rgb(" + std::to_string(colour.red) + " " + std::to_string(colour.green) + " " +
           std::to_string(colour.blue) + ")";
}

std::string CssPlace(const euler::Place& twips) {
    const euler::Place pixels = euler::InPixels(twips);
    return "left:" + std::to_string(pixels.left) + "px;top:" + std::to_string(pixels.top) +
           "px;width:" + std::to_string(pixels.width) +
           "px;height:" + std::to_string(pixels.height) + "px";
}

// The attributes that every control has: its name as id, its place, and what
// a screen reader says of it (the description in a hidden element).
std::string CommonAttributes(const Control& control) {
    const std::string id = std::string(control.name);
    std::string attributes = " id=\"" + id + "\"";
    std::string style = CssPlace(control.place);
    if (control.kind == ControlKind::kLabel || control.kind == ControlKind::kButton) {
        // The text keeps the page's black where it is readable.
        style += ";background-color:" + Css(control.background) +
                 ";color:" + Css(euler::ReadableTextColour(control.background, {0, 0, 0}));
    }
    attributes += " style=\"" + style + "\"";
    if (!control.accessibleName.empty() && control.accessibleName != control.caption) {
        attributes += " aria-label=\"" + Escaped(control.accessibleName) + "\"";
    }
    if (!control.accessibleDescription.empty()) {
        attributes += " aria-describedby=\"" + id + "-description\"";
    }
    if (!control.shown) {
        attributes += " hidden";
    }
    return attributes;
}

std::string Description(const Control& control) {
    if (control.accessibleDescription.empty()) {
        return "";
    }
    return "<span id=\"" + std::string(control.name) + "-description\" hidden>" +
           Escaped(control.accessibleDescription) + "</span>\n";
}

// The controls of `window`, in tab order, as its load event left them.
std::string Controls(const euler::FormModel& window) {
    std::ostringstream html;
    for (std::size_t i = 0; i < euler::kControlCount; ++i) {
        const Control& control = euler::kControls[i];
        const std::string attributes = CommonAttributes(control);
        switch (control.kind) {
            case ControlKind::kTextBox:
                html << "<textarea" << attributes << " readonly autocomplete=\"off\""
                     << (i == euler::kTranscriptBox ? " autofocus" : "") << ">"
                     << Escaped(euler::ShownLines(i == euler::kTranscriptBox ? window.transcript()
                                                                             : window.quotation()))
                     << "</textarea>\n";
                break;
            case ControlKind::kLabel:
                html << "<label" << attributes;
                if (control.labelled != euler::kNoControl) {
                    html << " for=\"" << euler::kControls[control.labelled].name << "\"";
                }
                html << ">" << Escaped(control.caption) << "</label>\n";
                break;
            case ControlKind::kList:
                html << "<select" << attributes << " size=\"8\" autocomplete=\"off\">";
                for (std::int16_t entry = 0; entry < window.entryCount(); ++entry) {
                    html << "<option" << (entry == window.selection() ? " selected" : "") << ">"
                         << Escaped(window.entry(entry)) << "</option>";
                }
                html << "</select>\n";
                break;
            case ControlKind::kInputBox:
                html << "<input" << attributes << " value=\"" << Escaped(window.inputText())
                     << "\" autocomplete=\"off\" spellcheck=\"false\">\n";
                break;
            case ControlKind::kButton:
                html << "<button type=\"button\"" << attributes << " data-command=\""
                     << (i == euler::kCheckButton ? euler::kCheckCommand : euler::kClearCommand)
                     << "\">" << Escaped(control.caption) << "</button>\n";
                break;
        }
        html << Description(control);
    }
    return html.str();
}

std::u32string ProgramName() {
    return std::u32string(euler::kControls[euler::kTitleLabel].caption);
}

std::string Page() {
    euler::FormModel window;
    euler::OnLoad(window);
    std::ostringstream html;
    html << R"(<!doctype html>
<html lang="bg">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>)" << Escaped(euler::kWindowCaption)
         << R"(</title>
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icon-32.png">
<link rel="preload" href="fonts/tinos.woff2" as="font" type="font/woff2" crossorigin>
<link rel="stylesheet" href="page.css">
<style>:root{--program-font:")"
         << Escaped(euler::kFontFamily) << "\";--program-font-size:" << euler::kFontPointSize
         << R"(pt}</style>
</head>
<body>
<main id="window" style=")"
         << CssPlace(euler::kClientArea) << ";background-color:" << Css(euler::kWindowColour)
         << "\">\n"
         << Controls(window) << R"(<p id="announcer" role="status"></p>
</main>
<script type="module" src="page.js" async></script>
<noscript><p>)"
         << Escaped(ProgramName()) << R"( се нуждае от JavaScript.</p></noscript>
</body>
</html>
)";
    return html.str();
}

std::string Manifest() {
    const std::string colour = Css(euler::kWindowColour);
    std::ostringstream json;
    json << "{\n  \"name\": " << JsonString(ProgramName())
         << ",\n  \"short_name\": " << JsonString(ProgramName()) << R"(,
  "lang": "bg",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "background_color": ")"
         << colour << "\",\n  \"theme_color\": \"" << colour << R"(",
  "icons": [
    {"src": "icon-192.png", "sizes": "192x192", "type": "image/png"},
    {"src": "icon-512.png", "sizes": "512x512", "type": "image/png"}
  ]
}
)";
    return json.str();
}

std::string Layout() {
    const auto place = [](const euler::Place& twips) {
        const euler::Place pixels = euler::InPixels(twips);
        return "\"left\": " + std::to_string(pixels.left) +
               ", \"top\": " + std::to_string(pixels.top) +
               ", \"width\": " + std::to_string(pixels.width) +
               ", \"height\": " + std::to_string(pixels.height);
    };
    std::ostringstream json;
    json << "{\n  \"caption\": " << JsonString(euler::kWindowCaption) << ",\n  \"window\": {"
         << place(euler::kClientArea) << "},\n  \"controls\": [\n";
    for (std::size_t i = 0; i < euler::kControlCount; ++i) {
        const Control& control = euler::kControls[i];
        json << "    {\"name\": " << JsonString(Widened(control.name)) << ", "
             << place(control.place) << ", \"shown\": " << (control.shown ? "true" : "false")
             << ", \"caption\": " << JsonString(control.caption)
             << ", \"accessibleName\": " << JsonString(control.accessibleName)
             << ", \"accessibleDescription\": " << JsonString(control.accessibleDescription) << "}"
             << (i + 1 < euler::kControlCount ? "," : "") << "\n";
    }
    json << "  ]\n}\n";
    return json.str();
}

bool Write(const std::string& path, const std::string& contents) {
    std::ofstream file(path, std::ios::binary);
    file << contents;
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: make_site SITE_FOLDER LAYOUT.json\n";
        return 2;
    }
    const std::string site = argv[1];
    const bool written = Write(site + "/index.html", Page()) &&
                         Write(site + "/manifest.webmanifest", Manifest()) &&
                         Write(argv[2], Layout());
    if (!written) {
        std::perror("make_site");
        return 1;
    }
    return 0;
}
