#include "shell/canvas_coords.h"

#include "shell/colour.h"

namespace pw {

void ScrollXY(int& x, int& y, ScrollPos scroll) {
    x -= scroll.x;
    y -= scroll.y;
}

void UnscrollXY(int& x, int& y, ScrollPos scroll) {
    x += scroll.x;
    y += scroll.y;
}

void DrawHLine(RasterCanvas& canvas, int x0, int y, int x1, int code) {
    canvas.Line(x0, y, x1 + 1, y, ColourOf(code));
}

} // namespace pw
