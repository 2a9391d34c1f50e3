#pragma once
// Whether the texts of a layout show on the displays as they are meant to: in a font file
// Generate files can make, of a face this system has, every character in the file, and every
// line inside its window as the display draws it.

#include "check/display_fonts.h"
#include "check/problem.h"
#include "windows/layout.h"

#include <vector>

namespace pw {

// Appends the problems of every text of every window that gets a font file, window by
// window in list order and index by index.
void CheckTexts(const Layout& layout, TextEngine& engine, DisplayFonts& fonts,
                std::vector<Problem>& out);

} // namespace pw
