#pragma once
// How many pixels of a canvas have one colour.

#include "platform/raster_canvas.h"

namespace pw {

inline int CountPixels(const RasterCanvas& c, std::uint32_t colour) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) n += c.Pixel(x, y) == colour;
    return n;
}

} // namespace pw
