#include "windows/draw_area.h"

#include "windows/window.h"

#include <algorithm>

namespace pw {

namespace {

int Held(long long v, int size) {
    return static_cast<int>(std::clamp<long long>(v, -kDrawMargin, size - 1LL + kDrawMargin));
}

} // namespace

Rect DrawArea(const RasterCanvas& canvas, long long left, long long top, long long right,
              long long bottom) {
    return {Held(left, canvas.Width()), Held(top, canvas.Height()), Held(right, canvas.Width()),
            Held(bottom, canvas.Height())};
}

Rect WindowArea(const RasterCanvas& canvas, const cWindow& w) {
    return DrawArea(canvas, w.X0, w.Y0, w.X1, w.Y1);
}

} // namespace pw
