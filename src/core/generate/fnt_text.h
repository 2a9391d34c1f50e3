#pragma once
// Text as the display draws it from a font file.

#include "generate/fnt_file.h"
#include "platform/raster_canvas.h"

#include <cstdint>
#include <string>

namespace pw {

// Paints the ink of the text's glyphs side by side from (x, y), each glyph at its cell width
// and below the top margin; a character without a glyph in the file takes no room. Pixels
// outside the canvas are left out.
void PaintFntText(const FntFont& font, const std::string& text, RasterCanvas& canvas, int x, int y,
                  std::uint32_t ink);

} // namespace pw
