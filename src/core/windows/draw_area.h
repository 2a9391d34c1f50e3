#pragma once
// Where drawing happens. The windows the editor makes lie inside the display, but a
// hand-edited layout can hold any coordinates at all. Drawing therefore works on rectangles
// cut at a margin around the canvas: a window reaching less than kDrawMargin pixels beyond
// the canvas looks exactly as it would uncut, one reaching further is drawn as if it ended
// at the margin, and no loop of the renderer runs longer than the margin allows nor any sum
// leaves the int range.

#include "platform/geometry.h"
#include "platform/raster_canvas.h"

namespace pw {

class cWindow;

constexpr int kDrawMargin = 1024;

// The inclusive rectangle with each edge held within kDrawMargin of the canvas.
Rect DrawArea(const RasterCanvas& canvas, long long left, long long top, long long right,
              long long bottom);
// The window's rectangle on the canvas, held the same way.
Rect WindowArea(const RasterCanvas& canvas, const cWindow& w);

} // namespace pw
