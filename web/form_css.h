#pragma once

#include <string>

// The window's look as a style sheet, form.css: its font and colours at any
// width, and from the window's own width up, the window's size with every
// control at its place. Narrower screens have the column of column.css.
std::string FormCss();
