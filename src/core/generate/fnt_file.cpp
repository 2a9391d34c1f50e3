#include "generate/fnt_file.h"

#include "generate/font_rasteriser.h"
#include "generate/glyph_rows.h"
#include "platform/errors.h"
#include "platform/little_endian.h"

namespace pw {

std::string FontFileBytes(const FntFont& font) {
    std::string out;
    for (const std::int32_t field : {font.rowsPerGlyph, font.topMargin, font.size, font.reserved})
        AppendLE32(out, field);
    std::size_t offset = kFntRecordsStart;
    for (const auto& glyph : font.glyphs) {
        AppendLE32(out, glyph ? static_cast<std::int32_t>(offset) : 0);
        if (glyph) offset += 2 + glyph->rows.size();
    }
    out.reserve(offset);
    for (const auto& glyph : font.glyphs) {
        if (!glyph) continue;
        AppendLE16(out, glyph->width);
        out += glyph->rows;
    }
    return out;
}

FntFont ParseFontFile(std::string_view bytes, const std::string& name) {
    const auto bad = [&](const std::string& why) {
        return FormatError("The file " + name + " is not a display font: " + why + ".");
    };
    if (bytes.size() < kFntRecordsStart)
        throw bad("it has " + std::to_string(bytes.size()) + " bytes, less than its " +
                  std::to_string(kFntRecordsStart) + "-byte header and index");
    FntFont font;
    font.rowsPerGlyph = LE32At(bytes, 0);
    font.topMargin = LE32At(bytes, 4);
    font.size = LE32At(bytes, 8);
    font.reserved = LE32At(bytes, 12);
    if (font.rowsPerGlyph < 0 || font.topMargin < 0)
        throw bad("its rows per glyph (" + std::to_string(font.rowsPerGlyph) + ") or top margin (" +
                  std::to_string(font.topMargin) + ") is negative");
    // No font file is made with larger cells; the bound keeps what a picture of the font
    // takes in step with the file.
    if (static_cast<long long>(font.rowsPerGlyph) + font.topMargin > kMaxGlyphCell)
        throw bad("its cells are " + std::to_string(font.topMargin) + " + " +
                  std::to_string(font.rowsPerGlyph) + " rows high, more than " +
                  std::to_string(kMaxGlyphCell));
    // The records lie back to back in the order of their codes, so each entry is known
    // before it is read; this also keeps every byte of the file in one glyph at most.
    std::size_t next = kFntRecordsStart;
    for (int code = 0; code < kGlyphSlots; ++code) {
        const std::int32_t entry = LE32At(bytes, kFntHeaderSize + 4 * code);
        if (entry == 0) continue;
        const std::string which = "the glyph of character " + std::to_string(code);
        if (static_cast<std::size_t>(entry) != next)
            throw bad(which + " is at " + std::to_string(entry) + ", not at " +
                      std::to_string(next) + " where the one before ends");
        if (bytes.size() - next < 2) throw bad(which + " is cut short");
        FntGlyph glyph;
        glyph.width = LE16At(bytes, next);
        if (glyph.width > kMaxGlyphCell)
            throw bad(which + " is " + std::to_string(glyph.width) + " pixels wide, more than " +
                      std::to_string(kMaxGlyphCell));
        const auto end =
            WalkGlyphRows(bytes, next + 2, glyph.width, font.rowsPerGlyph, [](int, int, int) {});
        if (!end) throw bad(which + " has rows that are cut short or pass its width");
        glyph.rows.assign(bytes.substr(next + 2, *end - next - 2));
        font.glyphs[code] = std::move(glyph);
        next = *end;
    }
    if (next != bytes.size())
        throw bad(std::to_string(bytes.size() - next) + " bytes follow the last glyph");
    return font;
}

} // namespace pw
