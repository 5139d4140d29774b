#include "page_html.h"

#include <cstdint>
#include <sstream>
#include <string_view>

#include "commands.h"
#include "form_contents.h"
#include "form_layout.h"
#include "form_model.h"
#include "markup.h"

namespace {

using euler::Control;
using euler::ControlKind;
using site::Html;

// The page's own texts, which the window does not have.
constexpr std::u32string_view kDescription =
    U"Проверка на твърдението на Ойлер, че N*(N+1)+41 дава прости числа: въведете N от 0 до 30 "
    U"и програмата показва изчислението и маркира полученото число сред простите числа под 1000.";
constexpr std::u32string_view kNeedsJavaScript = U" се нуждае от JavaScript.";
constexpr std::u32string_view kLoadFailed =
    U"Програмата не успя да се зареди. Презаредете страницата, а ако това не помогне, "
    U"отворете я в друг браузър.";

// What the page may load and run: its own files alone, and its WebAssembly.
constexpr std::string_view kContentSecurityPolicy =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; "
    "base-uri 'none'; form-action 'none'";

// The attributes that every control has: its name as id, and what a screen
// reader says of it (the description in a hidden element of its own).
std::string Attributes(const Control& control) {
    const std::string id(control.name);
    std::string attributes = " id=\"" + id + "\"";
    if (!control.accessibleName.empty() && control.accessibleName != control.caption) {
        attributes += " aria-label=\"" + Html(control.accessibleName) + "\"";
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
           Html(control.accessibleDescription) + "</span>\n";
}

// A label: the window's title is the page's heading; a label of a text box
// is its label; the one above the list is text beside it, as the list's
// name is its own.
std::string Label(std::size_t index, const std::string& attributes) {
    const Control& control = euler::kControls[index];
    if (index == euler::kTitleLabel) {
        return "<h1" + attributes + ">" + Html(control.caption) + "</h1>\n";
    }
    if (control.labelled != euler::kNoControl &&
        euler::kControls[control.labelled].kind == ControlKind::kInputBox) {
        return "<label" + attributes + " for=\"" +
               std::string(euler::kControls[control.labelled].name) + "\">" +
               Html(control.caption) + "</label>\n";
    }
    return "<div" + attributes + ">" + Html(control.caption) + "</div>\n";
}

// The prime list as a list box of the page's own: a <select size> is a
// one-line pop-up on an iPad or iPhone, and some browsers draw its
// selection in colours of their own.
std::string List(const euler::FormModel& window, const std::string& attributes) {
    std::ostringstream html;
    html << "<div" << attributes << " role=\"listbox\" tabindex=\"0\">";
    for (std::int16_t entry = 0; entry < window.entryCount(); ++entry) {
        html << "<div role=\"option\" id=\"" << euler::kControls[euler::kPrimeList].name << "-"
             << entry << "\"" << (entry == window.selection() ? " aria-selected=\"true\"" : "")
             << ">" << Html(window.entry(entry)) << "</div>";
    }
    html << "</div>\n";
    return html.str();
}

std::string ControlHtml(std::size_t index, const euler::FormModel& window) {
    const Control& control = euler::kControls[index];
    const std::string attributes = Attributes(control);
    switch (control.kind) {
        case ControlKind::kTextBox:
            // As in the window, the focus starts on the calculation: the
            // browser gives it as it first draws the page, without scrolling
            // to it (it stands last in a phone's column).
            return "<textarea" + attributes + (index == euler::kTranscriptBox ? " autofocus" : "") +
                   " readonly autocomplete=\"off\">" +
                   Html(euler::ShownLines(index == euler::kTranscriptBox ? window.transcript()
                                                                         : window.quotation())) +
                   "</textarea>\n";
        case ControlKind::kLabel:
            return Label(index, attributes);
        case ControlKind::kList:
            return List(window, attributes);
        case ControlKind::kInputBox:
            return "<input" + attributes + " value=\"" + Html(window.inputText()) +
                   "\" autocomplete=\"off\" spellcheck=\"false\">\n";
        case ControlKind::kButton:
            return "<button type=\"button\"" + attributes + " data-command=\"" +
                   std::to_string(index == euler::kCheckButton ? euler::kCheckCommand
                                                               : euler::kClearCommand) +
                   "\">" + Html(control.caption) + "</button>\n";
    }
    return "";
}

// The controls as the window's load event left them: the heading first, the
// rest in the window's tab order.
std::string Controls() {
    euler::FormModel window;
    euler::OnLoad(window);
    std::string html = ControlHtml(euler::kTitleLabel, window);
    for (std::size_t i = 0; i < euler::kControlCount; ++i) {
        if (i != euler::kTitleLabel) {
            html += ControlHtml(i, window) + Description(euler::kControls[i]);
        }
    }
    return html;
}

}  // namespace

std::string PageHtml() {
    const std::u32string_view name = euler::kControls[euler::kTitleLabel].caption;
    const int windowWidth = euler::InPixels(euler::kClientArea).width;
    std::ostringstream html;
    html << "<!doctype html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         << "<meta http-equiv=\"Content-Security-Policy\" content=\"" << kContentSecurityPolicy
         << "\">\n"
         << "<meta name=\"description\" content=\"" << Html(kDescription) << "\">\n"
         << "<title>" << Html(euler::kWindowCaption) << "</title>\n"
         << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
         << "<link rel=\"icon\" href=\"icon-32.png\">\n"
         << "<link rel=\"preload\" href=\"fonts/tinos.woff2\" as=\"font\" type=\"font/woff2\" "
            "crossorigin>\n"
         << "<link rel=\"modulepreload\" href=\"euler.js\">\n"
         << "<link rel=\"stylesheet\" href=\"page.css\">\n"
         << "<link rel=\"stylesheet\" href=\"column.css\" media=\"(width < " << windowWidth
         << "px)\">\n"
         << "<link rel=\"stylesheet\" href=\"form.css\">\n"
         << "</head>\n<body>\n<main id=\"window\">\n"
         << Controls() << "<p id=\"problem\" role=\"alert\" hidden>" << Html(kLoadFailed)
         << "</p>\n"
         << "<p id=\"announcer\" role=\"status\"></p>\n"
         // The script holds up neither the document's load nor, where it
         // arrives late, the first drawing of the page.
         << "</main>\n<script type=\"module\" async src=\"page.js\"></script>\n"
         << "<noscript><p>" << Html(name) << Html(kNeedsJavaScript) << "</p></noscript>\n"
         << "</body>\n</html>\n";
    return html.str();
}
