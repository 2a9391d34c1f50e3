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
    editor.selection.Clear();
    if (w) editor.selection.Add(w->Number);
    MakeCurrent(editor, w);
}

void ToggleSelected(Editor& editor, cWindow& w) {
    Layout& layout = editor.doc.layout;
    Selection& selection = editor.selection;
    // The group so far: what is selected now, the current window alone included.
    std::set<std::uint32_t> numbers;
    for (const cWindow* s : SelectedWindows(layout, selection))
        if (!IsBackground(layout, s)) numbers.insert(s->Number);
    if (IsBackground(layout, &w)) return;
    if (numbers.erase(w.Number)) {
        selection.Assign(numbers);
        cWindow* last = nullptr;
        for (const auto& other : layout.WindowList)
            if (numbers.contains(other->Number)) last = other.get();
        MakeCurrent(editor, &w == layout.CurWindow ? last : layout.CurWindow);
    } else {
        numbers.insert(w.Number);
        selection.Assign(numbers);
        MakeCurrent(editor, &w);
    }
}

void SelectNumbers(Editor& editor, const std::set<std::uint32_t>& numbers) {
    if (numbers.empty()) return;
    Layout& layout = editor.doc.layout;
    editor.selection.Assign(numbers);
    cWindow* current = layout.CurWindow;
    if (!current || !numbers.contains(current->Number))
        for (const auto& w : layout.WindowList)
            if (numbers.contains(w->Number)) current = w.get();
    MakeCurrent(editor, current);
}

void SelectAll(Editor& editor) {
    std::set<std::uint32_t> numbers;
    const Layout& layout = editor.doc.layout;
    for (const auto& w : layout.WindowList)
        if (!IsBackground(layout, w.get()) && Pickable(editor.selection, editor.view, *w))
            numbers.insert(w->Number);
    SelectNumbers(editor, numbers);
}

void ClearSelection(Editor& editor) { SelectOnly(editor, nullptr); }

bool InGroup(const Editor& editor, const cWindow& w) {
    const cWindow* current = editor.doc.layout.CurWindow;
    return current && editor.selection.Numbers().size() > 1 &&
           editor.selection.Contains(current->Number) && editor.selection.Contains(w.Number);
}

std::set<std::uint32_t> WindowsTouching(const Editor& editor, const Rect& r) {
    std::set<std::uint32_t> numbers;
    const Layout& layout = editor.doc.layout;
    for (const auto& w : layout.WindowList) {
        if (IsBackground(layout, w.get()) || !Pickable(editor.selection, editor.view, *w)) continue;
        const Rect area{w->X0, w->Y0, w->X1, w->Y1};
        // A window the whole band lies in (a mat, a panel) is what it was drawn on.
        if (!area.Intersected(r).Empty() && area.Intersected(r) != r) numbers.insert(w->Number);
    }
    return numbers;
}

void SetHidden(Editor& editor, std::uint32_t number, bool hidden) {
    if (hidden)
        editor.view.Hidden.insert(number);
    else
        editor.view.Hidden.erase(number);
    RedrawAll(editor.view, editor.doc);
    Tell(editor);
}

void SetLocked(Editor& editor, std::uint32_t number, bool locked) {
    if (locked)
        editor.selection.Locked.insert(number);
    else
        editor.selection.Locked.erase(number);
    Tell(editor);
}

} // namespace pw
