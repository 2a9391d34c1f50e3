#include "windows/draw_placeholder.h"

#include "display/colour.h"

namespace pw {

void DrawPlaceholder(Editor& editor, const Rect& r, const std::string& caption) {
    constexpr ScreenColour kWhite = MakeColour(255, 255, 255);
    editor.canvas.Line(r.left, r.top, r.right, r.bottom, kWhite);
    editor.canvas.Line(r.left, r.bottom, r.right, r.top, kWhite);
    editor.canvasFont = {{"Arial", 16, 0}, kWhite};
    editor.textEngine.Draw(editor.canvas, editor.canvasFont.font, r.left + 2, r.top, caption,
                           kWhite, ColourOf(editor.layout.BackgroundColour));
}

} // namespace pw
