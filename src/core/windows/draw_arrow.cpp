#include "windows/draw_arrow.h"

#include "display/draw_hline.h"

#include <cstdlib>

namespace pw {

void DrawArrow(View& view, int x0, int y0, int x1, int y1, int direction) {
    if (x1 <= x0 || y1 <= y0) return;
    // The left edge of each row follows the line from the base's left end to the apex column
    // mid; x steps by the whole part of the slope and one more column when that brings it
    // nearer the line. The right edge mirrors it about the centre.
    const long long mid = (static_cast<long long>(x0) + x1) / 2;
    const long long half = mid - x0;
    const bool up = direction == 1;
    const int first = up ? y1 : y0;
    const int last = up ? y0 : y1;
    const int rowStep = up ? -1 : 1;
    const long long dy = up ? y0 - y1 : y1 - y0;
    const long long k = mid * dy - (up ? y0 : y1) * half;
    const long long step = std::llabs(half / dy);

    long long x = x0;
    for (int y = first;; y += rowStep) {
        if (y != first) {
            x += step;
            const auto distance = [&](long long c) { return std::llabs(c * dy - y * half - k); };
            if (distance(x + 1) < distance(x)) ++x;
        }
        DrawHLine(view.canvas, static_cast<int>(x), y, static_cast<int>(x1 - x + x0),
                  view.LineColour);
        if (y == last) break;
    }
}

} // namespace pw
