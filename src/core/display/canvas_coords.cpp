#include "display/canvas_coords.h"

namespace pw {

void ScrollXY(int& x, int& y, ScrollPos scroll) {
    x -= scroll.x;
    y -= scroll.y;
}

void UnscrollXY(int& x, int& y, ScrollPos scroll) {
    x += scroll.x;
    y += scroll.y;
}

} // namespace pw
