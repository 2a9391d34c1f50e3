#include "display/draw_hline.h"

#include "display/colour.h"

namespace pw {

void DrawHLine(RasterCanvas& canvas, int x0, int y, int x1, int code) {
    canvas.Line(x0, y, x1 + 1, y, ColourOf(code));
}

} // namespace pw
