// A font file that reads writes back to the same bytes, and the picture inspect draws of it
// takes memory in step with the file.

#include "harnesses.h"

#include "generate/fnt_file.h"
#include "generate/font_sheet.h"
#include "platform/errors.h"

#include <string>

namespace pw::fuzz {

namespace {

// Sheet pixels a byte of the file may ask for: every glyph row takes a byte at least, and a
// row of the sheet is at most 16 glyphs of 1000 pixels.
constexpr long long kPixelsPerByte = 2048;
// Sheets up to this size are drawn too, for the painting's sake; larger ones cost the
// fuzzer more time than they find.
constexpr long long kDrawnPixels = 1 << 16;

} // namespace

void FuzzFont(std::string_view bytes) {
    FntFont font;
    try {
        font = ParseFontFile(bytes, "fuzz.fnt");
    } catch (const FormatError&) {
        return;
    }
    Require(FontFileBytes(font) == bytes, "a font file writes back to the same bytes");
    const SheetSize size = FontSheetSize(font);
    const long long pixels = size.width * size.height;
    Require(pixels <= kPixelsPerByte * static_cast<long long>(bytes.size()),
            "the glyph sheet takes memory in step with the file");
    if (pixels > 0 && pixels <= kDrawnPixels) DrawFontSheet(font);
}

} // namespace pw::fuzz
