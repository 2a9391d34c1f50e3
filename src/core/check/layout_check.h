#pragma once
// The check of a whole layout: everything the displays would show wrong, or that is probably
// not meant, found without drawing and without touching a file. It is quick enough to run
// after every command, once the fonts it measures with are known.

#include "check/display_fonts.h"
#include "check/problem.h"
#include "images/image_store.h"
#include "windows/layout.h"

#include <vector>

namespace pw {

// The layout's problems, window by window in list order, each window's own before those at
// an index, and those by index.
std::vector<Problem> CheckLayout(const Layout& layout, const ImageStore& images, TextEngine& engine,
                                 DisplayFonts& fonts);

} // namespace pw
