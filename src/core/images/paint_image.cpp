#include "images/paint_image.h"

#include "images/run_walk.h"
#include "display/colour.h"

namespace pw {

void PaintImage(const cImage& image, int x0, int y0, RasterCanvas& canvas, int lineColour,
                int fillColour) {
    if (image.Bits == 8) {
        WalkRuns(image, [&](int row, int x1, int x2, int code) {
            if (code != image.Transparent) canvas.HSpan(x0 + x1, x0 + x2, y0 + row, ColourOf(code));
        });
    } else {
        // Set runs take the fill colour and clear runs the line colour; 256 paints nothing.
        WalkRuns(image, [&](int row, int x1, int x2, int clear) {
            const int colour = clear ? lineColour : fillColour;
            if (colour != kTransparent) canvas.HSpan(x0 + x1, x0 + x2, y0 + row, ColourOf(colour));
        });
    }
}

} // namespace pw
