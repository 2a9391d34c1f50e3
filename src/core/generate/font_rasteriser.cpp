#include "generate/font_rasteriser.h"

#include "generate/glyph_rows.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/name_chars.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <climits>
#include <optional>

namespace pw {

namespace {

constexpr int kStandardFirst = 32;
constexpr int kStandardLast = 127;

struct Selection {
    std::bitset<kGlyphSlots> codes;
    std::string leftOut;
};

// The codes to render, each once, and the characters that have no slot.
Selection Select(const std::string& characters) {
    Selection s;
    if (characters.empty()) {
        for (int c = kStandardFirst; c <= kStandardLast; ++c) s.codes.set(c);
        return s;
    }
    std::bitset<256> above;
    for (const char ch : characters) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < kGlyphSlots)
            s.codes.set(c);
        else
            above.set(c);
    }
    for (int c = kGlyphSlots; c < 256; ++c)
        if (above[c]) s.leftOut += static_cast<char>(c);
    return s;
}

// How many glyphs to draw in one go: all of them when nothing stops the attempt early. Else a
// few to begin with, then half of what the attempt can still take before it stops, at what the
// glyphs so far added each, so that an attempt that stops draws few glyphs for nothing, in a
// few goes.
std::size_t Room(std::optional<std::int64_t> left, std::int64_t added, std::size_t taken) {
    constexpr std::size_t kFirstGo = 8;
    if (!left) return kGlyphSlots;
    if (taken == 0) return kFirstGo;
    const std::int64_t each = std::max<std::int64_t>(1, added / static_cast<std::int64_t>(taken));
    return static_cast<std::size_t>(std::max<std::int64_t>(0, *left) / each / 2) + 1;
}

// Up to most of the codes from c on, which the glyph cache draws in one go.
std::string NextCodes(const std::bitset<kGlyphSlots>& codes, int c, std::size_t most) {
    std::string next;
    for (; c < kGlyphSlots && next.size() < most; ++c)
        if (codes[c]) next += static_cast<char>(c);
    return next;
}

FormatError Unusable(const FontDesc& font, const std::string& why) {
    return FormatError("The font " + font.face + " " + std::to_string(font.height) +
                       " cannot be made for the display: " + why + ".");
}

FormatError CellsTooLarge(const FontDesc& font) {
    return Unusable(font, "its cells pass " + std::to_string(kMaxGlyphCell) + " pixels");
}

} // namespace

// Measured before anything is drawn so that their size is known to be sane before a canvas
// takes memory for them.
GlyphCells MeasureGlyphCells(TextEngine& engine, const FontDesc& font,
                             const std::bitset<kGlyphSlots>& codes) {
    if (font.height < 1 || font.height > kMaxGlyphCell)
        throw Unusable(font, "its height is not 1 to " + std::to_string(kMaxGlyphCell) + " pixels");
    GlyphCells cells;
    cells.height = engine.Measure(font, "").height;
    if (cells.height < 0 || cells.height > kMaxGlyphCell) throw CellsTooLarge(font);
    for (int c = 0; c < kGlyphSlots; ++c) {
        if (!codes[c]) continue;
        const int width = engine.Measure(font, std::string(1, static_cast<char>(c))).width;
        if (width < 0 || width > kMaxGlyphCell) throw CellsTooLarge(font);
        cells.widths[c] = width;
        cells.widest = std::max(cells.widest, width);
    }
    return cells;
}

void CheckFontCells(TextEngine& engine, const FontDesc& font) {
    MeasureGlyphCells(engine, font, Select("").codes);
}

namespace {

// When an attempt ends before its last glyph: after the glyph at which the data passes a limit,
// or, for the standard set, as soon as the file is certain to be too large.
struct Stop {
    std::int32_t limit = 0; // none with 0
    bool tooLargeStandardSet = false;
};

// Every glyph takes at least its width field and one byte a row, however it looks.
std::int64_t LeastGlyphBytes(int cellHeight) {
    return 2 + static_cast<std::int64_t>(cellHeight);
}

std::optional<RasterisedGlyphs> Rasterise(TextEngine& engine, const FontDesc& font,
                                          const std::string& characters, Stop stop) {
    // Each glyph is the ink of its cell as the glyph cache keeps it: the engine's own cache
    // when it is one, so that a font the canvas has drawn is not measured or rendered again,
    // or else a cache for this font alone.
    auto* cache = dynamic_cast<GlyphCache*>(&engine);
    std::optional<GlyphCache> own;
    if (!cache) cache = &own.emplace(engine);
    Selection selection = Select(characters);
    const GlyphCells cells = MeasureGlyphCells(*cache, font, selection.codes);
    const int cellHeight = cells.height;
    const std::array<int, kGlyphSlots>& widths = cells.widths;
    // The standard set makes too large a file once the glyphs so far and the least the others
    // can take reach that size; at its last glyph that is the set's size itself.
    constexpr std::int64_t kTooLargeData = kLargestStandardFont - kFntRecordsStart;
    const std::int64_t least = LeastGlyphBytes(cellHeight);
    std::int64_t toCome = static_cast<std::int64_t>(selection.codes.count());

    RasterisedGlyphs out;
    out.leftOut = std::move(selection.leftOut);
    int topMargin = INT_MAX; // the first row with ink in any glyph, once one has ink
    std::size_t taken = 0;
    bool last = false;
    // The cells were measured within the cache's bounds, so it renders every glyph.
    GlyphFace* face = cache->FaceOf(font);
    if (!face) throw CellsTooLarge(font);
    for (int c = 0; c < kGlyphSlots && !last; ++c) {
        if (!selection.codes[c]) continue;
        last = stop.limit != 0 && out.dataSize > stop.limit;
        const std::int64_t certain = out.dataSize + toCome * least;
        if (stop.tooLargeStandardSet && certain >= kTooLargeData) return std::nullopt;
        if (!face->Rendered(c)) {
            std::optional<std::int64_t> left;
            std::int64_t added = out.dataSize;
            if (stop.tooLargeStandardSet) {
                left = kTooLargeData - certain;
                added -= static_cast<std::int64_t>(taken) * least;
            } else if (stop.limit != 0) {
                left = std::int64_t{stop.limit} - out.dataSize;
            }
            face->Render(NextCodes(selection.codes, c, Room(left, added, taken)));
        }
        const Glyph* drawn = face->Of(static_cast<unsigned char>(c));
        if (!drawn) throw CellsTooLarge(font);
        FntGlyph glyph;
        glyph.width = static_cast<std::uint16_t>(widths[c]);
        auto span = drawn->ink.begin();
        for (int y = 0; y < cellHeight; ++y) {
            const bool ink = AppendGlyphRow(glyph.rows, widths[c], [&](auto&& run) {
                for (; span != drawn->ink.end() && span->row == y; ++span)
                    run(span->left, span->right);
            });
            if (ink) topMargin = std::min(topMargin, y);
        }
        out.dataSize += static_cast<std::int32_t>(2 + glyph.rows.size());
        out.font.glyphs[c] = std::move(glyph);
        ++taken;
        --toCome;
    }
    if (stop.tooLargeStandardSet && out.dataSize >= kTooLargeData) return std::nullopt;

    // Rows above the margin are blank in every glyph, one row end byte each.
    if (topMargin == INT_MAX) topMargin = 0;
    for (auto& glyph : out.font.glyphs)
        if (glyph) glyph->rows.erase(0, static_cast<std::size_t>(topMargin));
    out.font.rowsPerGlyph = cellHeight - topMargin;
    out.font.topMargin = topMargin;
    out.font.size = font.height;
    return out;
}

} // namespace

RasterisedGlyphs RasteriseGlyphs(TextEngine& engine, const FontDesc& font,
                                 const std::string& characters, std::int32_t limit) {
    return *Rasterise(engine, font, characters, {limit, false});
}

std::optional<RasterisedGlyphs> StandardSetThatFits(TextEngine& engine, const FontDesc& font) {
    return Rasterise(engine, font, "", {0, true});
}

RasteriseResult RasteriseFont(TextEngine& engine, const FontDesc& font,
                              const std::string& directory, const std::string& fileName,
                              const std::string& characters, std::int32_t limit) {
    if (!IsPlainFileName(fileName))
        throw FormatError("\"" + fileName +
                          "\" cannot name a font file: it is no plain file name.");
    RasterisedGlyphs glyphs = RasteriseGlyphs(engine, font, characters, limit);
    if (glyphs.dataSize > 0) WriteFileAtomically(directory + fileName, FontFileBytes(glyphs.font));
    return {glyphs.dataSize + static_cast<std::int32_t>(kFntRecordsStart),
            std::move(glyphs.leftOut)};
}

} // namespace pw
