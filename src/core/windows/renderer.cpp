#include "windows/renderer.h"

#include "display/colour.h"
#include "windows/draw_area.h"
#include "windows/draw_arrow.h"
#include "windows/draw_bevel.h"
#include "windows/draw_image.h"
#include "windows/draw_mat.h"
#include "windows/draw_text.h"
#include "windows/window_list.h"

#include <algorithm>
#include <vector>

namespace pw {

namespace {

constexpr ScreenColour kMagenta = MakeColour(255, 0, 255);
constexpr ScreenColour kBlack = MakeColour(0, 0, 0);

// Tells the canvas widget which pixels changed.
void Flush(View& view) {
    const Rect dirty = view.canvas.TakeDirty();
    if (!dirty.Empty()) view.observers.Notify(&EditorObserver::CanvasChanged, dirty);
}

// The index background, except that a transparent one is left unfilled while the window
// rests and filled with the display's background colour while it is dragged, so the window
// being moved stays visible.
void FillBackground(View& view, const Layout& layout, const cWindow& w, const Rect& r) {
    const int bg = w.IndexBackground();
    if (bg != kTransparent)
        view.canvas.FillRect(r, ColourOf(bg));
    else if (w.DragMode != dmIdle)
        view.canvas.FillRect(r, ColourOf(layout.BackgroundColour));
}

void DrawContent(View& view, const Layout& layout, const cWindow& w, const Rect& r) {
    switch (w.DrawType) {
    case dtText:
        DrawText(view, w, r);
        break;
    case dtArrows:
        view.LineColour = w.CurIndex == 2 && w.Parameter != 0 ? w.Parameter : w.FG;
        if (w.CurIndex != 0) DrawArrow(view, r.left, r.top, r.right, r.bottom, w.CurIndex);
        break;
    case dtImage:
        DrawImage(view, layout.BackgroundColour, w, r);
        break;
    case dtRectangle:
        DrawBevel(view, w, r);
        break;
    case dtMat:
        DrawMat(view, layout.BackgroundColour, w, r);
        break;
    default: // FileName, and draw types a hand-edited file may hold: the background alone
        break;
    }
}

// A mat paints every pixel of its area, so its background would be painted over.
bool PaintsEveryPixel(const View& view, const cWindow& w) {
    return w.DrawType == dtMat && MatCoversArea(view, w);
}

bool HiddenIn(const View& view, const cWindow& w) {
    return view.ViewMode == vmDesign && view.Hidden.contains(w.Number);
}

void Paint(View& view, const Layout& layout, const cWindow& w, DrawMode mode) {
    if (HiddenIn(view, w)) return;
    const Rect r = WindowArea(view.canvas, w);
    // Drawing part of the layout again passes over the windows outside that part.
    const Rect& clip = view.canvas.Clip();
    if (clip != view.canvas.Bounds() && r.Intersected(clip).Empty()) return;
    if (mode == DrawMode::Erase) {
        view.canvas.FillRect(r, ColourOf(layout.BackgroundColour));
        return;
    }
    // A bevel fills what it needs itself.
    if (w.DrawType != dtRectangle && !PaintsEveryPixel(view, w)) FillBackground(view, layout, w, r);
    DrawContent(view, layout, w, r);
    if (view.ViewMode == vmDesign)
        view.canvas.FrameRect(r, &w == layout.CurWindow ? kMagenta : kBlack);
}

// A window the sharing rule hides hands the drawing to the members of its group. Each member
// is visited at most once per call, so no group, however its tags were edited, can make the
// drawing call itself without end; and the scan goes on right after each member it finds, so
// none is passed over.
void DrawMember(View& view, const Layout& layout, const cWindow& w, DrawMode mode,
                std::vector<const cWindow*>& visited) {
    visited.push_back(&w);
    if (IsShownShared(layout, w)) return Paint(view, layout, w, mode);
    if (!w.HasFlag(fmShared)) return;
    std::size_t i = 1;
    while (const cWindow* partner = FindSharedPartner(layout, w, i)) {
        if (std::find(visited.begin(), visited.end(), partner) == visited.end())
            DrawMember(view, layout, *partner, mode, visited);
        i = static_cast<std::size_t>(IndexOf(layout, partner)) + 1;
    }
}

void PaintSelectionMark(View& view, const cWindow* w, bool on) {
    if (view.ViewMode != vmDesign || !w || HiddenIn(view, *w)) return;
    const ScreenColour colour = on ? kMagenta : kBlack;
    const Rect r = WindowArea(view.canvas, *w);
    view.canvas.FrameRect(r, colour);
    view.canvas.FrameRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, colour);
}

} // namespace

void RedrawAll(View& view, const Layout& layout) {
    if (view.Unseen) return;
    for (const auto& w : layout.WindowList)
        if (w->Type == wtBackground) DrawWindow(view, layout, *w, DrawMode::Draw);
    for (const auto& w : layout.WindowList)
        if (w->Type != wtBackground) DrawWindow(view, layout, *w, DrawMode::Draw);
    if (layout.CurWindow) DrawSelectionMark(view, layout.CurWindow, true);
    Flush(view);
}

bool CoversCanvas(const View& view, const Layout& layout) {
    const auto first = std::find_if(layout.WindowList.begin(), layout.WindowList.end(),
                                    [](const auto& w) { return w->Type == wtBackground; });
    if (first == layout.WindowList.end()) return false;
    const cWindow& w = **first;
    if (HiddenIn(view, w) || !IsShownShared(layout, w) ||
        WindowArea(view.canvas, w) != view.canvas.Bounds())
        return false;
    return PaintsEveryPixel(view, w) ||
           (w.DrawType != dtRectangle && w.IndexBackground() != kTransparent);
}

void RedrawArea(View& view, const Layout& layout, const Rect& area) {
    if (view.Loading) return;
    view.canvas.SetClip(area);
    std::vector<const cWindow*> visited;
    for (const bool background : {true, false})
        for (const auto& w : layout.WindowList)
            if ((w->Type == wtBackground) == background) {
                visited.clear();
                DrawMember(view, layout, *w, DrawMode::Draw, visited);
            }
    if (layout.CurWindow) PaintSelectionMark(view, layout.CurWindow, true);
    view.canvas.ClearClip();
    Flush(view);
}

void DrawWindow(View& view, const Layout& layout, const cWindow& w, DrawMode mode) {
    if (view.Loading || view.Unseen) return;
    std::vector<const cWindow*> visited;
    DrawMember(view, layout, w, mode, visited);
    Flush(view);
}

void DrawSelectionMark(View& view, const cWindow* w, bool on) {
    if (view.Unseen) return;
    PaintSelectionMark(view, w, on);
    Flush(view);
}

} // namespace pw
