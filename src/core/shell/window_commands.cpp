#include "shell/window_commands.h"

#include "display/colour.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"
#include "windows/window_list.h"

namespace pw {

void SelectWindow(Editor& editor, cWindow* window) {
    if (!window || window == editor.doc.layout.CurWindow) return;
    DrawSelectionMark(editor.view, editor.doc.layout.CurWindow, false);
    editor.doc.layout.CurWindow = window;
    {
        // The views fill their controls from the window; that must not count as an edit.
        LoadingScope loading(editor.view);
        editor.observers.Notify(&EditorObserver::SelectionChanged);
    }
    DrawSelectionMark(editor.view, editor.doc.layout.CurWindow, true);
}

void SetDisplaySize(Editor& editor, int width, int height) {
    if (!SizeBackground(editor.doc.layout, width, height)) return;
    editor.view.canvas.Resize(width, height, kButtonFace);
    editor.observers.Notify(&EditorObserver::DisplaySizeChanged, width, height);
    if (!editor.view.Loading) editor.observers.Notify(&EditorObserver::RedrawRequested);
}

void SetIndexForType(Editor& editor, std::uint8_t type, std::int32_t index) {
    // Setting the index may repaint but never changes the list, so indexes stay valid.
    const auto& list = editor.doc.layout.WindowList;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->Type == type) SetValue(editor, *list[i], wfCurIndex, index);
}

void PutLayoutBack(Editor& editor, Layout layout, const std::vector<KeptImage>& images) {
    // Windows made by this editor reach its store and display; a layout kept aside from it
    // does too, as it came from here.
    layout.context = editor.doc.layout.context;
    editor.doc.layout = std::move(layout);
    std::vector<std::shared_ptr<cImage>> held;
    held.reserve(images.size());
    for (const KeptImage& kept : images) {
        kept.image->Transparent = kept.transparent;
        held.push_back(kept.image);
    }
    editor.doc.images.ImageList.Replace(std::move(held));
    RecountImages(editor.doc.layout, editor.doc.images.ImageList);
    if (cWindow* background = Background(editor.doc.layout)) {
        // The display size may have been changed since; apply the stored one.
        const int width = background->X1 + 1;
        background->X1 = 0;
        SetDisplaySize(editor, width, background->Y1 + 1);
    }
    editor.observers.Notify(&EditorObserver::LayoutReplaced);
    editor.observers.Notify(&EditorObserver::RedrawRequested);
}

void Undo(Editor& editor) {
    if (auto restored = editor.doc.history.Undo(editor.doc))
        PutLayoutBack(editor, std::move(restored->layout), restored->images);
}

void Redo(Editor& editor) {
    if (auto restored = editor.doc.history.Redo(editor.doc))
        PutLayoutBack(editor, std::move(restored->layout), restored->images);
}

} // namespace pw
