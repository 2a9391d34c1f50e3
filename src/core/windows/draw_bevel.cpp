#include "windows/draw_bevel.h"

#include "display/colour.h"
#include "windows/draw_area.h"

#include <algorithm>

namespace pw {

namespace {

// The colour a side takes in the outer half of the rings (i < FontSize div 2) and in the
// inner half, by style; styles without a rule keep the colour in use.
enum Pick { bg0, bg };
struct Halves {
    Pick outer, inner;
};
constexpr Halves kTopLeft[] = {{bg0, bg0}, {bg0, bg0}, {bg, bg}, {bg0, bg}, {bg, bg0}};
constexpr Halves kBottomRight[] = {{bg0, bg0}, {bg, bg}, {bg0, bg0}, {bg, bg0}, {bg0, bg}};

int RingColour(const Halves (&rules)[5], const cWindow& w, int style, bool outer, int current) {
    if (style >= 5) return current;
    const Pick pick = outer ? rules[style].outer : rules[style].inner;
    return pick == bg0 ? w.BG0 : w.BG;
}

} // namespace

void DrawBevel(View& view, const cWindow& w, const Rect& r) {
    RasterCanvas& canvas = view.canvas;
    // A negative width from a hand-edited file would grow the interior past the window.
    const long long width = std::max(0, w.FontSize);
    const int halfw = static_cast<int>(width / 2);
    const int L = r.left, T = r.top, Rt = r.right, B = r.bottom;
    // A ring further in than the window is narrow or high would be drawn outside it, where
    // erasing the window does not reach; the bevel stops at the last ring that fits.
    const long long fitting = std::min(Rt - L, B - T) + 1LL;
    const int rings = static_cast<int>(std::clamp(fitting, 0LL, width));

    int colour = w.IndexBackground();
    for (int i = 0; i < rings; ++i) {
        // Each side is a pen line: its start point painted, its end point left. The top and
        // left read the style's low eight bits, the bottom and right its low seven, so a
        // style of 128 + n keeps the colour in use above and draws as style n below.
        colour = RingColour(kTopLeft, w, w.Parameter & 0xFF, i < halfw, colour);
        canvas.Line(L + i, B - i, L + i, T + i, ColourOf(colour));
        canvas.Line(L + i, T + i, Rt - i, T + i, ColourOf(colour));
        colour = RingColour(kBottomRight, w, w.Parameter & 0x7F, i < halfw, colour);
        canvas.Line(Rt - i, T + i, Rt - i, B - i, ColourOf(colour));
        canvas.Line(Rt - i, B - i, L + i, B - i, ColourOf(colour));
    }
    if (w.FG != kTransparent)
        canvas.FillRect(DrawArea(canvas, L + width, T + width, Rt - width, B - width),
                        ColourOf(w.FG));
}

} // namespace pw
