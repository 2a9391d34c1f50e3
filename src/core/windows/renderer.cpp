#include "windows/renderer.h"

#include "shell/colour.h"
#include "windows/window_list.h"

#include <algorithm>
#include <vector>

namespace pw {

namespace {

constexpr ScreenColour kMagenta = MakeColour(255, 0, 255);
constexpr ScreenColour kBlack = MakeColour(0, 0, 0);

// Tells the canvas widget which pixels changed.
void Flush(Editor& editor) {
    const Rect dirty = editor.canvas.TakeDirty();
    if (!dirty.Empty()) editor.host.CanvasChanged(dirty);
}

} // namespace

Rect CanvasRect(const cWindow& w) { return {w.X0, w.Y0, w.X1, w.Y1}; }

void RedrawAll(Editor& editor) {
    if (editor.CurWindow && editor.CurWindow == Background(editor))
        editor.BackgroundColour = editor.CurWindow->BG0;
    for (const auto& w : editor.WindowList)
        if (w->Type == wtBackground) DrawWindow(editor, *w, DrawMode::Draw);
    for (const auto& w : editor.WindowList)
        if (w->Type != wtBackground) DrawWindow(editor, *w, DrawMode::Draw);
    if (editor.CurWindow) DrawSelectionMark(editor, editor.CurWindow, true);
    Flush(editor);
}

namespace {

void Paint(Editor& editor, cWindow& w, DrawMode mode) {
    const Rect r = CanvasRect(w);
    RasterCanvas& canvas = editor.canvas;
    if (mode == DrawMode::Erase) {
        canvas.FillRect(r, ColourOf(editor.BackgroundColour));
        return;
    }
    const int bg = w.IndexBackground();
    if (bg != kTransparent) canvas.FillRect(r, ColourOf(bg));
    else if (w.DragMode != dmIdle) canvas.FillRect(r, ColourOf(editor.BackgroundColour));
    if (editor.ViewMode == vmDesign) canvas.FrameRect(r, &w == editor.CurWindow ? kMagenta : kBlack);
}

// A window the sharing rule hides hands the drawing to the members of its group. Each member
// is visited at most once per call, so no group, however its tags were edited, can make the
// drawing call itself without end.
void DrawMember(Editor& editor, cWindow& w, DrawMode mode, std::vector<const cWindow*>& visited) {
    visited.push_back(&w);
    if (IsShownShared(editor, w)) return Paint(editor, w, mode);
    if (!w.HasFlag(fmShared)) return;
    std::size_t i = 1;
    while (cWindow* partner = FindSharedPartner(editor, w, i)) {
        if (std::find(visited.begin(), visited.end(), partner) == visited.end())
            DrawMember(editor, *partner, mode, visited);
        i = static_cast<std::size_t>(IndexOf(editor, partner)) + 1;
    }
}

} // namespace

void DrawWindow(Editor& editor, cWindow& w, DrawMode mode) {
    if (editor.Loading) return;
    std::vector<const cWindow*> visited;
    DrawMember(editor, w, mode, visited);
    Flush(editor);
}

void DrawSelectionMark(Editor& editor, cWindow* w, bool on) {
    if (editor.ViewMode != vmDesign || !w) return;
    const ScreenColour colour = on ? kMagenta : kBlack;
    const Rect r = CanvasRect(*w);
    editor.canvas.FrameRect(r, colour);
    editor.canvas.FrameRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, colour);
    Flush(editor);
}

} // namespace pw
