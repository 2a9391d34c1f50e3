#include "windows/drag_preview.h"

#include "display/colour.h"
#include "windows/draw_area.h"
#include "windows/renderer.h"

#include <algorithm>
#include <cstring>

namespace pw {

namespace {

Rect Offset(const Rect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

void DragPreview::Capture(View& view, const Layout& layout,
                          const std::vector<const cWindow*>& windows) {
    Clear();
    const Observers none;
    Random random = view.random; // the mats come out as they do on the canvas
    View own(view.textEngine, view.images, random, none);
    own.ViewMode = view.ViewMode;
    own.Hidden = view.Hidden;
    own.canvas.Resize(view.canvas.Width(), view.canvas.Height(),
                      ColourOf(layout.BackgroundColour));
    for (const cWindow* w : windows) {
        DrawWindow(own, layout, *w, DrawMode::Draw);
        const Rect r = WindowArea(own.canvas, *w).Intersected(own.canvas.Bounds());
        if (r.Empty()) continue;
        Sprite s{r, {}};
        s.pixels.reserve(static_cast<std::size_t>(r.Width()) * r.Height());
        for (int y = r.top; y <= r.bottom; ++y)
            s.pixels.insert(s.pixels.end(), own.canvas.Row(y) + r.left,
                            own.canvas.Row(y) + r.right + 1);
        sprites_.push_back(std::move(s));
    }
}

void DragPreview::Show(View& view, std::int32_t backgroundColour, int dx, int dy) {
    RasterCanvas& canvas = view.canvas;
    const Rect bounds = canvas.Bounds();
    Rect dirty;
    for (const Sprite& s : sprites_) {
        const Rect was = Offset(s.at, dx_, dy_);
        canvas.FillRect(was, ColourOf(backgroundColour));
        dirty = dirty.United(was.Intersected(bounds));
    }
    for (const Sprite& s : sprites_) {
        const Rect to = Offset(s.at, dx, dy);
        const Rect shown = to.Intersected(bounds);
        if (shown.Empty()) continue;
        const int width = s.at.Width();
        for (int y = shown.top; y <= shown.bottom; ++y) {
            const std::uint32_t* from =
                s.pixels.data() + static_cast<std::size_t>(y - to.top) * width + (shown.left - to.left);
            std::memcpy(canvas.Row(y) + shown.left, from, sizeof(std::uint32_t) * shown.Width());
        }
        dirty = dirty.United(shown);
    }
    dx_ = dx;
    dy_ = dy;
    canvas.TakeDirty();
    if (!dirty.Empty()) view.observers.Notify(&EditorObserver::CanvasChanged, dirty);
}

} // namespace pw
