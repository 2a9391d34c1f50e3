#include "generate/fnt_text_engine.h"

#include "generate/fnt_text.h"
#include "platform/raster_canvas.h"

#include <algorithm>
#include <cstdint>

namespace pw {

namespace {

int CellHeight(const FntFont& font) {
    return font.topMargin + font.rowsPerGlyph;
}

} // namespace

void FntTextEngine::Add(const FontDesc& font, FntFont file) {
    if (!Has(font)) fonts_.emplace_back(font, std::move(file));
}

const FntFont* FntTextEngine::Find(const FontDesc& font) const {
    for (const auto& [desc, file] : fonts_)
        if (desc == font) return &file;
    return nullptr;
}

TextExtent FntTextEngine::Measure(const FontDesc& font, const std::string& text) {
    const FntFont* file = Find(font);
    if (!file) return {};
    TextExtent extent{0, CellHeight(*file)};
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < kGlyphSlots && file->glyphs[c]) extent.width += file->glyphs[c]->width;
    }
    return extent;
}

void FntTextEngine::Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y,
                         const std::string& text, std::uint32_t colour,
                         std::optional<std::uint32_t> background) {
    const FntFont* file = Find(font);
    if (!file) return;
    if (background) {
        const long long width = Measure(font, text).width;
        if (width > 0)
            canvas.FillRect({x, y, static_cast<int>(std::min<long long>(x + width - 1, INT32_MAX)),
                             y + CellHeight(*file) - 1},
                            *background);
    }
    PaintFntText(*file, text, canvas, x, y, colour);
}

} // namespace pw
