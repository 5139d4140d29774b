// Writes the site's files that come from the window's description, at build
// time under node:
//
//     make_site SITE_FOLDER LAYOUT.json
//
// LAYOUT.json is for the page's tests.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "form_css.h"
#include "layout_json.h"
#include "manifest.h"
#include "page_html.h"

namespace {

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
    const bool written =
        Write(site + "/index.html", PageHtml()) && Write(site + "/form.css", FormCss()) &&
        Write(site + "/manifest.webmanifest", Manifest()) && Write(argv[2], LayoutJson());
    if (!written) {
        std::perror("make_site");
        return 1;
    }
    return 0;
}
