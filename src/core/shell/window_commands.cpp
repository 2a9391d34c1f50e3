#include "shell/window_commands.h"

#include "display/colour.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"
#include "windows/window_list.h"

namespace pw {

void SelectWindow(Document& doc, View& view, cWindow* window) {
    if (!window || window == doc.layout.CurWindow) return;
    DrawSelectionMark(view, doc.layout.CurWindow, false);
    doc.layout.CurWindow = window;
    {
        // The views fill their controls from the window; that must not count as an edit.
        LoadingScope loading(view);
        doc.observers.Notify(&EditorObserver::SelectionChanged);
    }
    DrawSelectionMark(view, doc.layout.CurWindow, true);
}

void SetDisplaySize(Document& doc, View& view, int width, int height) {
    if (!SizeBackground(doc.layout, width, height)) return;
    if (!view.Unseen) view.canvas.Resize(width, height, kButtonFace);
    doc.observers.Notify(&EditorObserver::DisplaySizeChanged, width, height);
    if (!view.Loading) doc.observers.Notify(&EditorObserver::RedrawRequested);
}

void SetIndexForType(Document& doc, View& view, std::uint8_t type, std::int32_t index) {
    // Setting the index may repaint but never changes the list, so indexes stay valid.
    const auto& list = doc.layout.WindowList;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->Type == type) SetValue(doc, view, *list[i], wfCurIndex, index);
}

void PutLayoutBack(Document& doc, View& view, Layout layout, const std::vector<KeptImage>& images) {
    // Windows made by this editor reach its store and display; a layout kept aside from it
    // does too, as it came from here.
    layout.context = doc.layout.context;
    doc.layout = std::move(layout);
    std::vector<std::shared_ptr<cImage>> held;
    held.reserve(images.size());
    for (const KeptImage& kept : images) {
        kept.image->Transparent = kept.transparent;
        held.push_back(kept.image);
    }
    doc.images.ImageList.Replace(std::move(held));
    RecountImages(doc.layout, doc.images.ImageList);
    if (cWindow* background = Background(doc.layout)) {
        // The display size may have been changed since; apply the stored one.
        const int width = background->X1 + 1;
        background->X1 = 0;
        SetDisplaySize(doc, view, width, background->Y1 + 1);
    }
    doc.observers.Notify(&EditorObserver::LayoutReplaced);
    doc.observers.Notify(&EditorObserver::RedrawRequested);
}

void Undo(Document& doc, View& view) {
    if (auto restored = doc.history.Undo(doc))
        PutLayoutBack(doc, view, std::move(restored->layout), restored->images);
}

void Redo(Document& doc, View& view) {
    if (auto restored = doc.history.Redo(doc))
        PutLayoutBack(doc, view, std::move(restored->layout), restored->images);
}

} // namespace pw
