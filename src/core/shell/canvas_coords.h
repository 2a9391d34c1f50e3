#pragma once
// Layout coordinates and the canvas widget's coordinates differ by the scroll position. The
// main canvas buffer itself is in layout coordinates: the renderer draws there unshifted and
// the widget applies the scroll position when it shows the buffer and reads the mouse.

#include "platform/raster_canvas.h"

namespace pw {

struct ScrollPos {
    int x = 0;
    int y = 0;
};

// Layout point to widget point.
void ScrollXY(int& x, int& y, ScrollPos scroll);
// Widget point to layout point.
void UnscrollXY(int& x, int& y, ScrollPos scroll);

// Row y from x0 to x1, both ends included, in the colour of the display code. Drawn as a pen
// line from (x0, y) to (x1 + 1, y), so a span given right to left paints x1 + 2 .. x0.
void DrawHLine(RasterCanvas& canvas, int x0, int y, int x1, int code);

} // namespace pw
