#include "shell/group_commands.h"

#include "shell/keyboard_editing.h"
#include "shell/redraw.h"
#include "shell/selection.h"
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

void MoveTo(Editor& editor, const cWindow& w, Rect r) {
    const cWindow& display = *Background(editor.doc.layout);
    Fit(r.left, r.right, display.X1);
    Fit(r.top, r.bottom, display.Y1);
    WindowFields values;
    values.X0 = r.left;
    values.Y0 = r.top;
    values.X1 = r.right;
    values.Y1 = r.bottom;
    ChangeWindow(editor.doc, editor.view, w.Id, values, kPositionFields);
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

std::vector<cWindow*> MovableSelection(const Editor& editor) {
    const Layout& layout = editor.doc.layout;
    std::vector<cWindow*> windows = SelectedWindows(layout, editor.selection);
    std::erase_if(windows, [&](const cWindow* w) {
        return IsBackground(layout, w) || editor.selection.Locked.contains(w->Number);
    });
    return windows;
}

void NudgeSelection(Editor& editor, int dx, int dy) {
    const std::vector<cWindow*> windows = MovableSelection(editor);
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
    for (const cWindow* w : windows) {
        const Rect r = RectOf(*w);
        MoveTo(editor, *w, {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
    }
    RedrawAll(editor.view, editor.doc);
}

void DeleteSelection(Editor& editor) {
    const std::vector<cWindow*> windows = MovableSelection(editor);
    if (windows.size() <= 1) {
        if (windows.size() == 1) editor.doc.layout.CurWindow = windows.front();
        return DeleteCurrentWindow(editor.doc, editor.view);
    }
    std::vector<std::uint32_t> numbers;
    for (const cWindow* w : windows) numbers.push_back(w->Number);
    for (std::uint32_t n : numbers)
        if (cWindow* w = WindowNumbered(editor.doc.layout, n))
            DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, w);
    editor.selection.Clear();
    RedrawAll(editor.view, editor.doc);
    editor.observers.Notify(&EditorObserver::SelectionChanged);
}

bool CanAlign(const Editor& editor, Alignment a) {
    const Layout& layout = editor.doc.layout;
    std::size_t count = 0;
    for (const cWindow* w : SelectedWindows(layout, editor.selection))
        if (!IsBackground(layout, w)) ++count;
    return count >= MinimumForAlignment(a);
}

void AlignSelection(Editor& editor, Alignment a) {
    if (!CanAlign(editor, a)) return;
    const Layout& layout = editor.doc.layout;
    std::vector<cWindow*> windows = SelectedWindows(layout, editor.selection);
    std::erase_if(windows, [&](const cWindow* w) { return IsBackground(layout, w); });
    std::vector<Rect> rects;
    std::size_t reference = 0;
    for (const cWindow* w : windows) {
        if (w == layout.CurWindow) reference = rects.size();
        rects.push_back(RectOf(*w));
    }
    const std::vector<Rect> aligned = Aligned(rects, reference, a);
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (!editor.selection.Locked.contains(windows[i]->Number) && aligned[i] != rects[i])
            MoveTo(editor, *windows[i], aligned[i]);
    RedrawAll(editor.view, editor.doc);
}

void BringForward(Editor& editor) {
    Layout& layout = editor.doc.layout;
    const std::vector<cWindow*> selected = SelectedWindows(layout, editor.selection);
    const auto chosen = [&](const cWindow* w) {
        return std::find(selected.begin(), selected.end(), w) != selected.end();
    };
    auto& list = layout.WindowList;
    if (list.size() < 3) return;
    bool moved = false;
    // From the top down, so that a window already raised is not passed again.
    for (std::size_t i = list.size() - 1; i-- > 1;)
        if (chosen(list[i].get()) && !chosen(list[i + 1].get())) {
            std::swap(list[i], list[i + 1]);
            moved = true;
        }
    if (moved) OrderChanged(editor);
}

void SendBackward(Editor& editor) {
    Layout& layout = editor.doc.layout;
    const std::vector<cWindow*> selected = SelectedWindows(layout, editor.selection);
    const auto chosen = [&](const cWindow* w) {
        return std::find(selected.begin(), selected.end(), w) != selected.end();
    };
    auto& list = layout.WindowList;
    bool moved = false;
    for (std::size_t i = 2; i < list.size(); ++i)
        if (chosen(list[i].get()) && !chosen(list[i - 1].get())) {
            std::swap(list[i], list[i - 1]);
            moved = true;
        }
    if (moved) OrderChanged(editor);
}

void MoveInDrawingOrder(Editor& editor, std::uint32_t number, std::size_t to) {
    Layout& layout = editor.doc.layout;
    const int from = IndexOf(layout, WindowNumbered(layout, number));
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
