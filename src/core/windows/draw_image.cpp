#include "windows/draw_image.h"

#include "images/paint_image.h"
#include "display/colour.h"
#include "windows/draw_area.h"
#include "windows/draw_placeholder.h"

#include <limits>
#include <optional>

namespace pw {

namespace {

// The name of a missing image, in the font the canvas was last given, at 16 pixels.
void DrawMissing(View& view, const cWindow& w, const Rect& r, const std::string& name) {
    if (view.ViewMode == vmDesign) return;
    view.canvasFont.font.height = 16;
    const int bg = w.IndexBackground();
    const std::optional<ScreenColour> background =
        bg == kTransparent ? std::nullopt : std::optional<ScreenColour>(ColourOf(bg));
    view.textEngine.Draw(view.canvas, view.canvasFont.font, r.left + 2, r.top, "?? " + name,
                           view.canvasFont.colour, background);
}

} // namespace

void DrawImage(View& view, std::int32_t backgroundColour, const cWindow& w, const Rect& r) {
    if (!w.IndexInRange() || w.BMP[w.CurIndex].empty()) return;
    const std::string& name = w.BMP[w.CurIndex];
    view.LineColour = w.FG;
    view.FillColour = w.IndexBackground();
    const cImage* image = view.images.ImageList.FindImage(name);
    if (!image) return DrawMissing(view, w, r, name);

    long long x = r.left, y = r.top;
    if (w.HasFlag(fmVCentre)) y = (static_cast<long long>(r.top) + r.bottom - image->Height) / 2;
    if (w.HasFlag(fmCentre))
        x = (static_cast<long long>(r.right) + r.left - image->Width) / 2;
    else if (w.HasFlag(fmRight))
        x = static_cast<long long>(r.right) - image->Width;
    const Rect area = DrawArea(view.canvas, x, y, x + image->Width - 1, y + image->Height - 1);

    if (view.ViewMode == vmDesign && image->DataLength() >= kLargeImageBytes)
        return DrawPlaceholder(view, backgroundColour, area, name);
    // An image wholly off the canvas paints nothing. A picture whose far edge lies beyond
    // half the int range (only a damaged bitmap header claims one) is left out as well, so
    // PaintImage's sums along its rows stay in range.
    constexpr long long kFar = std::numeric_limits<int>::max() / 2;
    if (area.Intersected(view.canvas.Clip()).Empty()) return;
    if (x + image->Width > kFar || y + image->Height > kFar) return;
    PaintImage(*image, static_cast<int>(x), static_cast<int>(y), view.canvas, view.LineColour,
               view.FillColour);
}

} // namespace pw
