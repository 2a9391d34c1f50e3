#pragma once
// A picture of a font file's glyphs, so that a generated font can be checked by eye: 16 to a
// line in order of code, each black on its white cell, one pixel of face colour around every
// cell. The top margin, blank in every glyph, is left out: the picture then takes memory in
// step with the file, whatever margin its header claims.

#include "generate/fnt_file.h"
#include "platform/raster_canvas.h"

namespace pw {

struct SheetSize {
    long long width = 0, height = 0; // both 0 for a font without glyphs
};

SheetSize FontSheetSize(const FntFont& font);

// The sheet, of FontSheetSize; the caller checks that size first.
RasterCanvas DrawFontSheet(const FntFont& font);

} // namespace pw
