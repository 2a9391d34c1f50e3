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
void Flush(Editor& editor) {
    const Rect dirty = editor.canvas.TakeDirty();
    if (!dirty.Empty()) editor.observers.Notify(&EditorObserver::CanvasChanged, dirty);
}

// The index background, except that a transparent one is left unfilled while the window
// rests and filled with the display's background colour while it is dragged, so the window
// being moved stays visible.
void FillBackground(Editor& editor, const cWindow& w, const Rect& r) {
    const int bg = w.IndexBackground();
    if (bg != kTransparent)
        editor.canvas.FillRect(r, ColourOf(bg));
    else if (w.DragMode != dmIdle)
        editor.canvas.FillRect(r, ColourOf(editor.layout.BackgroundColour));
}

void DrawContent(Editor& editor, cWindow& w, const Rect& r) {
    switch (w.DrawType) {
    case dtText:
        DrawText(editor, w, r);
        break;
    case dtArrows:
        editor.LineColour = w.CurIndex == 2 && w.Parameter != 0 ? w.Parameter : w.FG;
        if (w.CurIndex != 0) DrawArrow(editor, r.left, r.top, r.right, r.bottom, w.CurIndex);
        break;
    case dtImage:
        DrawImage(editor, w, r);
        break;
    case dtRectangle:
        DrawBevel(editor, w, r);
        break;
    case dtMat:
        DrawMat(editor, w, r);
        break;
    default: // FileName, and draw types a hand-edited file may hold: the background alone
        break;
    }
}

void Paint(Editor& editor, cWindow& w, DrawMode mode) {
    const Rect r = WindowArea(editor.canvas, w);
    if (mode == DrawMode::Erase) {
        editor.canvas.FillRect(r, ColourOf(editor.layout.BackgroundColour));
        return;
    }
    if (w.DrawType != dtRectangle) FillBackground(editor, w, r);
    DrawContent(editor, w, r);
    if (editor.ViewMode == vmDesign)
        editor.canvas.FrameRect(r, &w == editor.layout.CurWindow ? kMagenta : kBlack);
}

// A window the sharing rule hides hands the drawing to the members of its group. Each member
// is visited at most once per call, so no group, however its tags were edited, can make the
// drawing call itself without end; and the scan goes on right after each member it finds, so
// none is passed over.
void DrawMember(Editor& editor, cWindow& w, DrawMode mode, std::vector<const cWindow*>& visited) {
    visited.push_back(&w);
    if (IsShownShared(editor.layout, w)) return Paint(editor, w, mode);
    if (!w.HasFlag(fmShared)) return;
    std::size_t i = 1;
    while (cWindow* partner = FindSharedPartner(editor.layout, w, i)) {
        if (std::find(visited.begin(), visited.end(), partner) == visited.end())
            DrawMember(editor, *partner, mode, visited);
        i = static_cast<std::size_t>(IndexOf(editor.layout, partner)) + 1;
    }
}

} // namespace

void RedrawAll(Editor& editor) {
    if (editor.layout.CurWindow && editor.layout.CurWindow == Background(editor.layout))
        editor.layout.BackgroundColour = editor.layout.CurWindow->BG0;
    for (const auto& w : editor.layout.WindowList)
        if (w->Type == wtBackground) DrawWindow(editor, *w, DrawMode::Draw);
    for (const auto& w : editor.layout.WindowList)
        if (w->Type != wtBackground) DrawWindow(editor, *w, DrawMode::Draw);
    if (editor.layout.CurWindow) DrawSelectionMark(editor, editor.layout.CurWindow, true);
    Flush(editor);
}

void DrawWindow(Editor& editor, cWindow& w, DrawMode mode) {
    if (editor.Loading) return;
    std::vector<const cWindow*> visited;
    DrawMember(editor, w, mode, visited);
    Flush(editor);
}

void DrawSelectionMark(Editor& editor, cWindow* w, bool on) {
    if (editor.ViewMode != vmDesign || !w) return;
    const ScreenColour colour = on ? kMagenta : kBlack;
    const Rect r = WindowArea(editor.canvas, *w);
    editor.canvas.FrameRect(r, colour);
    editor.canvas.FrameRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, colour);
    Flush(editor);
}

} // namespace pw
