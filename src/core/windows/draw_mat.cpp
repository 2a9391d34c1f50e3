#include "windows/draw_mat.h"

#include "images/nearest_code.h"
#include "display/colour.h"
#include "windows/draw_placeholder.h"
#include "windows/random.h"

#include <algorithm>

namespace pw {

std::uint32_t MatMask(std::int32_t texture) {
    if (texture < 0) return TextureSeeds[0];
    if (texture < static_cast<std::int32_t>(TextureSeeds.size())) return TextureSeeds[texture];
    return static_cast<std::uint32_t>(texture);
}

namespace {

// A transparent end of the gradient has no colour of its own; it takes the display's
// background colour, which stands in for transparency everywhere else.
ScreenColour LevelEnd(std::int32_t backgroundColour, int code) {
    return ColourOf(code == kTransparent ? backgroundColour : code);
}

} // namespace

std::vector<ScreenColour> MatLevels(View& view, std::int32_t backgroundColour, const cWindow& w, int n) {
    const ScreenColour c0 = LevelEnd(backgroundColour, w.BG0), c1 = LevelEnd(backgroundColour, w.BG);
    const auto blend = [n](int i, int a, int b) { return ((n - 1 - i) * a + i * b) / (n - 1); };
    std::vector<ScreenColour> levels(n);
    for (int i = 0; i < n; ++i)
        levels[i] =
            ColourOf(NearestCode(view.images, blend(i, Red(c0), Red(c1)), blend(i, Green(c0), Green(c1)),
                                 blend(i, Blue(c0), Blue(c1))));
    return levels;
}

void DrawMat(View& view, std::int32_t backgroundColour, const cWindow& w, const Rect& r) {
    const int n = w.Parameter;
    if (n < 2 || n > 255) return;
    // In floating point: the sides of a window from a hand-edited file can each span the
    // whole int range, and their product would leave even a long long.
    const double area = static_cast<double>(static_cast<long long>(w.X1) - w.X0) *
                        static_cast<double>(static_cast<long long>(w.Y1) - w.Y0);
    if (view.ViewMode == vmDesign && area >= kLargeMatArea)
        return DrawPlaceholder(view, backgroundColour, r,
                               "Mat " + std::to_string(w.FontSize) + ", " + std::to_string(n));

    const std::uint32_t mask = MatMask(w.Texture);
    view.random.RandomMask = mask;
    const std::vector<ScreenColour> levels = MatLevels(view, backgroundColour, w, n);

    // Pixels go straight into the buffer. Rows and columns off the canvas still draw their
    // numbers, so the part that shows is the part the whole mat would show.
    RasterCanvas& canvas = view.canvas;
    const Rect shown = r.Intersected(canvas.Clip());
    const int rowLength = std::max(MatRowLength, r.Width());
    const int skipLeft = shown.left - r.left;
    const int skipRight = rowLength - skipLeft - shown.Width();
    const auto count = static_cast<std::uint32_t>(n);
    std::uint32_t state = 0;
    if (!shown.Empty()) {
        for (int y = r.top; y <= shown.bottom; ++y) {
            if (y < shown.top) {
                for (int j = 0; j < rowLength; ++j) state = NextState(state, mask);
                continue;
            }
            for (int j = 0; j < skipLeft; ++j) state = NextState(state, mask);
            std::uint32_t* pixel = canvas.Row(y) + shown.left;
            for (int x = shown.left; x <= shown.right; ++x) {
                state = NextState(state, mask);
                *pixel++ = levels[state % count];
            }
            for (int j = 0; j < skipRight; ++j) state = NextState(state, mask);
        }
        canvas.MarkDirty(shown);
    }
    view.random.RandomState = state;
}

} // namespace pw
