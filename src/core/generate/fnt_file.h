#pragma once
// Display font files (.fnt). Four little-endian 32-bit fields (rows per glyph, top margin,
// size in pixels, reserved 0), an index of 128 32-bit file offsets, one per character code
// (0 when the file has no glyph for it), then the glyph records of the characters present in
// ascending order of code, back to back. A record is the cell width as a little-endian 16-bit
// number followed by rows-per-glyph pixel rows (see glyph_rows.h); the top-margin rows, blank
// in every glyph, are left out.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

constexpr int kGlyphSlots = 128; // character codes 0..127
constexpr std::size_t kFntHeaderSize = 16;
// Where the glyph records start: the header and the index.
constexpr std::size_t kFntRecordsStart = kFntHeaderSize + 4 * kGlyphSlots;

struct FntGlyph {
    std::uint16_t width = 0;
    std::string rows; // run bytes of every row, each row ending with 255
    friend bool operator==(const FntGlyph&, const FntGlyph&) = default;
};

struct FntFont {
    std::int32_t rowsPerGlyph = 0;
    std::int32_t topMargin = 0;
    std::int32_t size = 0;
    std::int32_t reserved = 0;
    std::array<std::optional<FntGlyph>, kGlyphSlots> glyphs; // by character code
};

// The bytes of the font's file.
std::string FontFileBytes(const FntFont& font);

// The font a .fnt file holds. Throws FormatError naming the file when the bytes are not a
// font file: too short for the index, cells higher or glyphs wider than a font file is made
// with (kMaxGlyphCell), an index entry that is not where the previous record
// ends, a record whose rows are cut short or pass its width, bytes after the last record.
FntFont ParseFontFile(std::string_view bytes, const std::string& name);

} // namespace pw
