#pragma once

#include <string>

// The web-app manifest, manifest.webmanifest: the program's name, colour and
// icons for a browser that installs the page as an app.
std::string Manifest();
