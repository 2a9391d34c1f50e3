#pragma once

#include "images/image.h"
#include "platform/raster_canvas.h"

namespace pw {

// Paints the image with its top-left pixel at (x0, y0) of the canvas (no scrolling; the
// canvas clips). A two-colour image paints its set runs in fillColour and its clear runs in
// lineColour, 256 leaving a run unpainted; a colour-code image skips its Transparent code.
void PaintImage(const cImage& image, int x0, int y0, RasterCanvas& canvas, int lineColour,
                int fillColour);

} // namespace pw
