#pragma once
// Direction arrows: a filled isosceles triangle in the window's rectangle.

#include "windows/view.h"
#include "windows/window.h"

namespace pw {

// The triangle in (x0, y0)-(x1, y1), drawn row by row in view.LineColour. Direction 1
// points up (apex on row y0, base on row y1); any other direction points down. Nothing when
// the rectangle is a single column or row.
void DrawArrow(View& view, int x0, int y0, int x1, int y1, int direction);

} // namespace pw
