#pragma once

#include <string>

// The page, index.html: the window's controls as the browser's own elements,
// with their contents as the window has them after its load event, so that
// the page can be read and typed into before its script has loaded. Where
// they stand and how they look is the style sheets' (form.css, page.css).
std::string PageHtml();
