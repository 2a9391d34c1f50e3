#include "shell/selection_commands.h"

#include "shell/redraw.h"
#include "shell/window_commands.h"

namespace pw {

namespace {

void Tell(Editor& editor) {
    LoadingScope loading(editor.view); // filling the views is no edit
    editor.observers.Notify(&EditorObserver::SelectionChanged);
}

// Makes w current; the views hear of it even when only the group around it changed.
void MakeCurrent(Editor& editor, cWindow* w) {
    if (w == editor.doc.layout.CurWindow) return Tell(editor);
    if (w) return SelectWindow(editor.doc, editor.view, w);
    DrawSelectionMark(editor.view, editor.doc.layout.CurWindow, false);
    editor.doc.layout.CurWindow = nullptr;
    Tell(editor);
}

} // namespace

void SelectOnly(Editor& editor, cWindow* w) {
    editor.selection.Assign(w ? std::set<WindowId>{w->Id} : std::set<WindowId>{});
    MakeCurrent(editor, w);
}

void ToggleSelected(Editor& editor, cWindow& w) {
    Layout& layout = editor.doc.layout;
    Selection& selection = editor.selection;
    // The group so far: what is selected now, the current window alone included.
    std::set<WindowId> ids;
    for (const cWindow* s : SelectedWindows(layout, selection))
        if (!IsBackground(layout, s)) ids.insert(s->Id);
    if (IsBackground(layout, &w)) return;
    if (ids.erase(w.Id)) {
        selection.Assign(ids);
        cWindow* last = nullptr;
        for (const auto& other : layout.WindowList)
            if (ids.contains(other->Id)) last = other.get();
        MakeCurrent(editor, &w == layout.CurWindow ? last : layout.CurWindow);
    } else {
        ids.insert(w.Id);
        selection.Assign(ids);
        MakeCurrent(editor, &w);
    }
}

void SelectIds(Editor& editor, const std::set<WindowId>& ids) {
    if (ids.empty()) return;
    Layout& layout = editor.doc.layout;
    editor.selection.Assign(ids);
    cWindow* current = layout.CurWindow;
    if (!current || !ids.contains(current->Id))
        for (const auto& w : layout.WindowList)
            if (ids.contains(w->Id)) current = w.get();
    MakeCurrent(editor, current);
}

void SelectAll(Editor& editor) {
    std::set<WindowId> ids;
    const Layout& layout = editor.doc.layout;
    for (const auto& w : layout.WindowList)
        if (!IsBackground(layout, w.get()) && Pickable(editor.selection, editor.view, *w))
            ids.insert(w->Id);
    SelectIds(editor, ids);
}

void ClearSelection(Editor& editor) {
    SelectOnly(editor, nullptr);
}

bool InGroup(const Layout& layout, const Selection& selection, const cWindow& w) {
    const cWindow* current = layout.CurWindow;
    return current && selection.Size() > 1 && selection.Contains(current->Id) &&
           selection.Contains(w.Id);
}

std::set<WindowId> WindowsTouching(const Layout& layout, const Selection& selection,
                                   const View& view, const Rect& r) {
    std::set<WindowId> ids;
    for (const auto& w : layout.WindowList) {
        if (IsBackground(layout, w.get()) || !Pickable(selection, view, *w)) continue;
        const Rect area{w->X0, w->Y0, w->X1, w->Y1};
        // A window the whole band lies in (a mat, a panel) is what it was drawn on.
        if (!area.Intersected(r).Empty() && area.Intersected(r) != r) ids.insert(w->Id);
    }
    return ids;
}

void SetMark(Editor& editor, WindowMark mark, std::uint32_t number, bool on) {
    std::set<std::uint32_t>& marked =
        mark == WindowMark::Hidden ? editor.view.Hidden : editor.selection.Locked;
    if (on)
        marked.insert(number);
    else
        marked.erase(number);
    // A lock changes nothing drawn.
    if (mark == WindowMark::Hidden) RedrawAll(editor.view, editor.doc);
    Tell(editor);
}

} // namespace pw
