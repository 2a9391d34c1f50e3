#include "generate/fnt_text.h"

#include "generate/glyph_rows.h"

namespace pw {

void PaintFntText(const FntFont& font, const std::string& text, RasterCanvas& canvas, int x, int y,
                  std::uint32_t ink) {
    const long long top = static_cast<long long>(y) + font.topMargin;
    long long left = x;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= kGlyphSlots || !font.glyphs[c]) continue;
        if (left >= canvas.Width()) break;
        const FntGlyph& glyph = *font.glyphs[c];
        // Here left > -65536 and left < the canvas width, so the columns fit an int.
        if (left + glyph.width > 0)
            WalkGlyphRows(
                glyph.rows, 0, glyph.width, font.rowsPerGlyph, [&](int row, int x0, int x1) {
                    const long long py = top + row;
                    if (py >= 0 && py < canvas.Height())
                        canvas.HSpan(static_cast<int>(left + x0), static_cast<int>(left + x1),
                                     static_cast<int>(py), ink);
                });
        left += glyph.width;
    }
}

} // namespace pw
