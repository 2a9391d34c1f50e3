#pragma once
// Bitmap fonts for the display. Every character is its glyph in the glyph cache, the ink of
// its cell drawn black on white by the text engine, from which the canvas draws text too; the
// ink is stored as run lengths of ink and background, row by row; the blank rows that all
// glyphs share at the top are trimmed.

#include "generate/fnt_file.h"
#include "platform/text_engine.h"
#include "windows/glyph_cache.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

namespace pw {

// The first attempt at a font file stops once its glyph data passes this many bytes...
constexpr std::int32_t kFirstAttemptLimit = 20000;
// ... and from this rasterised size on it is made again of the characters in use only.
constexpr std::int32_t kLargestStandardFont = 20001;
// Whether a first attempt of this size (glyph data, header and index) is too large a file of
// the standard set.
inline bool StandardSetTooLarge(std::int32_t size) {
    return size >= kLargestStandardFont;
}

struct GlyphCells {
    int height = 0;                         // a line's height
    std::array<int, kGlyphSlots> widths{}; // of the codes measured, 0 for the others
    int widest = 0;
};

// The cells of the codes as a font file records them, measured without drawing anything.
// Throws FormatError when no font file can be made for the font: below 1 pixel or above
// kMaxGlyphCell pixels high, or with a line or a cell of the codes beyond kMaxGlyphCell.
GlyphCells MeasureGlyphCells(TextEngine& engine, const FontDesc& font,
                             const std::bitset<kGlyphSlots>& codes);

// Throws FormatError when no font file can be made for the font: below 1 pixel or above
// kMaxGlyphCell pixels high, or with a line or a character of the standard set beyond
// kMaxGlyphCell. A large face's line is higher than its size, so the size alone cannot tell.
void CheckFontCells(TextEngine& engine, const FontDesc& font);

struct RasterisedGlyphs {
    FntFont font; // as the file holds it, top margin trimmed
    // Bytes of the glyphs (widths and rows) before the top margin was trimmed.
    std::int32_t dataSize = 0;
    // The characters asked for above code 127, in ascending order. The file has no slot for
    // them, so they are left out.
    std::string leftOut;
};

// Rasterises the characters (each once, in ascending order of code), or the standard set 32
// to 127 when characters is empty. With a limit other than 0, the character picked while the
// data size exceeds the limit is the last one rendered. A font with no ink at all gets a top
// margin of 0. Throws FormatError for a font below 1 pixel or with cells beyond
// kMaxGlyphCell.
RasterisedGlyphs RasteriseGlyphs(TextEngine& engine, const FontDesc& font,
                                 const std::string& characters, std::int32_t limit);

// The first attempt at a font file (RasteriseGlyphs of the standard set with kFirstAttemptLimit)
// when its file is not too large (StandardSetTooLarge), else nothing. Every glyph takes at
// least its width field and one byte a row, so the rendering stops as soon as those of the
// glyphs still to come make the file too large whatever they look like: a face whose lines
// are 201 pixels high or more has none drawn.
std::optional<RasterisedGlyphs> StandardSetThatFits(TextEngine& engine, const FontDesc& font);

struct RasteriseResult {
    // The data size plus the header and index, before trimming: what decides whether the
    // standard set makes too large a file.
    std::int32_t size = 0;
    std::string leftOut; // as in RasterisedGlyphs
};

// RasteriseGlyphs, then writes directory + fileName when at least one glyph was rendered;
// an existing file is replaced once the new one is complete. The directory ends with a
// backslash; the file name must be a plain name (see IsPlainFileName), so the file stays in
// the directory. Throws FormatError for a name that is not, IoError when writing fails.
RasteriseResult RasteriseFont(TextEngine& engine, const FontDesc& font,
                              const std::string& directory, const std::string& fileName,
                              const std::string& characters, std::int32_t limit);

} // namespace pw
