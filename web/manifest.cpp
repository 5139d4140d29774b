#include "manifest.h"

#include <sstream>

#include "form_layout.h"
#include "markup.h"

std::string Manifest() {
    const std::string name = site::Json(euler::kControls[euler::kTitleLabel].caption);
    const std::string colour = site::Css(euler::kWindowColour);
    std::ostringstream json;
    json << "{\n  \"name\": " << name << ",\n  \"short_name\": " << name << R"(,
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
