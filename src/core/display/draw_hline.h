#pragma once
// One row of a display colour: the span the arrows are filled with.

#include "platform/raster_canvas.h"

namespace pw {

// Row y from x0 to x1, both ends included, in the colour of the display code. Drawn as a pen
// line from (x0, y) to (x1 + 1, y), so a span given right to left paints x1 + 2 .. x0.
void DrawHLine(RasterCanvas& canvas, int x0, int y, int x1, int code);

} // namespace pw
