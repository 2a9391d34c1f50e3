#include "windows/draw_placeholder.h"

#include "display/colour.h"

namespace pw {

void DrawPlaceholder(View& view, std::int32_t backgroundColour, const Rect& r, const std::string& caption) {
    constexpr ScreenColour kWhite = MakeColour(255, 255, 255);
    view.canvas.Line(r.left, r.top, r.right, r.bottom, kWhite);
    view.canvas.Line(r.left, r.bottom, r.right, r.top, kWhite);
    view.canvasFont = {{"Arial", 16, 0}, kWhite};
    view.textEngine.Draw(view.canvas, view.canvasFont.font, r.left + 2, r.top, caption,
                           kWhite, ColourOf(backgroundColour));
}

} // namespace pw
