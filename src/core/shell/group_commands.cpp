#include "shell/group_commands.h"

#include "shell/keyboard_editing.h"
#include "shell/redraw.h"
#include "shell/selection_commands.h"
#include "shell/window_change.h"
#include "windows/window_list.h"

#include <algorithm>

namespace pw {

namespace {

Rect RectOf(const cWindow& w) { return {w.X0, w.Y0, w.X1, w.Y1}; }

// One axis of a rectangle moved back onto 0..last, keeping its extent where it fits.
void Fit(int& low, int& high, int last) {
    const int extent = std::min(high - low, last);
    low = std::clamp(low, 0, last - extent);
    high = low + extent;
}

// The place r on the display: each axis moved back onto it, keeping its extent where it fits.
// Lining windows up on one near an edge may carry the others past it.
WindowPlace PlaceOnDisplay(const cWindow& display, const cWindow& w, Rect r) {
    Fit(r.left, r.right, display.X1);
    Fit(r.top, r.bottom, display.Y1);
    return {w.Id, r};
}

// Rotates the window at from to to in the list; both at 1 or above.
void Reorder(Layout& layout, std::size_t from, std::size_t to) {
    auto& list = layout.WindowList;
    if (from == to || from == 0 || to == 0 || from >= list.size() || to >= list.size()) return;
    if (from < to)
        std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
    else
        std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
}

void OrderChanged(Editor& editor) {
    RenumberWindows(editor.doc.layout);
    RedrawAll(editor.view, editor.doc);
    editor.observers.Notify(&EditorObserver::WindowChanged);
}

} // namespace

std::vector<cWindow*> MovableSelection(const Layout& layout, const Selection& selection) {
    std::vector<cWindow*> windows = SelectedWindows(layout, selection);
    std::erase_if(windows, [&](const cWindow* w) {
        return IsBackground(layout, w) || selection.IsLocked(*w);
    });
    return windows;
}

void NudgeSelection(Editor& editor, int dx, int dy) {
    const std::vector<cWindow*> windows = MovableSelection(editor.doc.layout, editor.selection);
    if (windows.size() <= 1) {
        if (windows.size() == 1 && windows.front() == editor.doc.layout.CurWindow)
            NudgeWindow(editor.doc, editor.view, dx, dy);
        return;
    }
    Rect bounds;
    for (const cWindow* w : windows) bounds = bounds.United(RectOf(*w));
    const cWindow& display = *Background(editor.doc.layout);
    // The whole step or as much of it as keeps every window on the display.
    dx = std::clamp(dx, -bounds.left, std::max(0, display.X1 - bounds.right));
    dy = std::clamp(dy, -bounds.top, std::max(0, display.Y1 - bounds.bottom));
    if (dx == 0 && dy == 0) return;
    std::vector<WindowPlace> places;
    for (const cWindow* w : windows) {
        const Rect r = RectOf(*w);
        places.push_back(
            PlaceOnDisplay(display, *w, {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}));
    }
    ChangePlaces(editor.doc, editor.view, places, GroupShown::Drawn);
}

void DeleteSelection(Editor& editor) {
    const std::vector<cWindow*> windows = MovableSelection(editor.doc.layout, editor.selection);
    if (windows.size() <= 1) {
        if (windows.size() == 1) editor.doc.layout.CurWindow = windows.front();
        return DeleteCurrentWindow(editor.doc, editor.view);
    }
    for (cWindow* w : windows) DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, w);
    editor.selection.Clear();
    RedrawAll(editor.view, editor.doc);
    editor.observers.Notify(&EditorObserver::SelectionChanged);
}

bool CanAlign(const Layout& layout, const Selection& selection, Alignment a) {
    std::size_t count = 0;
    for (const cWindow* w : SelectedWindows(layout, selection))
        if (!IsBackground(layout, w)) ++count;
    return count >= MinimumForAlignment(a);
}

void AlignSelection(Editor& editor, Alignment a) {
    const Layout& layout = editor.doc.layout;
    if (!CanAlign(layout, editor.selection, a)) return;
    std::vector<cWindow*> windows = SelectedWindows(layout, editor.selection);
    std::erase_if(windows, [&](const cWindow* w) { return IsBackground(layout, w); });
    std::vector<Rect> rects;
    std::size_t reference = 0;
    for (const cWindow* w : windows) {
        if (w == layout.CurWindow) reference = rects.size();
        rects.push_back(RectOf(*w));
    }
    const std::vector<Rect> aligned = Aligned(rects, reference, a);
    const cWindow& display = *Background(layout);
    std::vector<WindowPlace> places;
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (!editor.selection.IsLocked(*windows[i]) && aligned[i] != rects[i])
            places.push_back(PlaceOnDisplay(display, *windows[i], aligned[i]));
    ChangePlaces(editor.doc, editor.view, places, GroupShown::Drawn);
}

void StepDrawingOrder(Editor& editor, bool forward) {
    Layout& layout = editor.doc.layout;
    const std::vector<cWindow*> selected = SelectedWindows(layout, editor.selection);
    auto& list = layout.WindowList;
    const auto chosen = [&](std::size_t i) {
        return std::find(selected.begin(), selected.end(), list[i].get()) != selected.end();
    };
    const std::size_t n = list.size();
    bool moved = false;
    // Against the step's direction, so that a window already moved is not passed again; the
    // Background object at 0 stays first.
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const std::size_t i = forward ? n - 1 - k : k + 1;
        const std::size_t next = forward ? i + 1 : i - 1;
        if (chosen(i) && !chosen(next)) {
            std::swap(list[i], list[next]);
            moved = true;
        }
    }
    if (moved) OrderChanged(editor);
}

void MoveInDrawingOrder(Editor& editor, WindowId id, std::size_t to) {
    Layout& layout = editor.doc.layout;
    const int from = IndexOf(layout, FindWindow(layout, id));
    if (from <= 0 || to == static_cast<std::size_t>(from)) return;
    Reorder(layout, static_cast<std::size_t>(from), std::min(to, layout.WindowList.size() - 1));
    OrderChanged(editor);
}

void ApplyToSelection(Editor& editor, FieldMask mask) {
    const Layout& layout = editor.doc.layout;
    const cWindow* current = layout.CurWindow;
    if (!current) return;
    const WindowFields values = *current;
    for (const cWindow* w : SelectedWindows(layout, editor.selection))
        if (w != current && !IsBackground(layout, w))
            ChangeWindow(editor.doc, editor.view, w->Id, values, mask);
}

} // namespace pw
