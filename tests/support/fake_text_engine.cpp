#include "support/fake_text_engine.h"

#include "platform/raster_canvas.h"

namespace pw {

TextExtent FakeTextEngine::Measure(const FontDesc& font, const std::string& text) {
    return {CharWidth(font) * static_cast<int>(text.size()), font.height * linePercent / 100};
}

void FakeTextEngine::Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y,
                          const std::string& text, std::uint32_t colour,
                          std::optional<std::uint32_t> background) {
    drawn.push_back({font, x, y, text, colour, background});
    const TextExtent e = Measure(font, text);
    if (background) canvas.FillRect({x, y, x + e.width - 1, y + e.height - 1}, *background);
    canvas.HSpan(x, x + e.width - 1, y + e.height - 1, colour);
}

} // namespace pw
