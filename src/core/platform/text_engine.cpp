#include "platform/text_engine.h"

#include "platform/raster_canvas.h"

namespace pw {

void TextEngine::DrawEachAlone(const FontDesc& font, std::string_view characters,
                               const CellDrawn& drawn) {
    constexpr std::uint32_t kInk = 0xFF000000u; // the canvas's black and white
    constexpr std::uint32_t kCell = 0xFFFFFFFFu;
    const int height = Measure(font, "").height;
    for (const char ch : characters) {
        const std::string text(1, ch);
        RasterCanvas cell(Measure(font, text).width, height, kCell);
        Draw(cell, font, 0, 0, text, kInk, kCell);
        drawn(static_cast<unsigned char>(ch), cell);
    }
}

} // namespace pw
