#include "windows/layout_snapshot.h"

#include "windows/window_list.h"

#include <unordered_map>

namespace pw {

void PutLayoutBack(Editor& editor, Layout layout, const std::vector<KeptImage>& images) {
    // Windows made by this editor reach its store and display; a layout kept aside from it
    // does too, as it came from here.
    layout.context = editor.layout.context;
    editor.layout = std::move(layout);
    std::vector<std::shared_ptr<cImage>> held;
    held.reserve(images.size());
    for (const KeptImage& kept : images) {
        kept.image->Transparent = kept.transparent;
        held.push_back(kept.image);
    }
    editor.images.ImageList.Replace(std::move(held));
    RecountImages(editor.layout, editor.images.ImageList);
    if (cWindow* background = Background(editor.layout)) {
        // The display size may have been changed since; apply the stored one.
        const int width = background->X1 + 1;
        background->X1 = 0;
        SetDisplaySize(editor, width, background->Y1 + 1);
    }
    editor.observers.Notify(&EditorObserver::LayoutReplaced);
    editor.observers.Notify(&EditorObserver::RedrawRequested);
}

LayoutSnapshot::LayoutSnapshot(const Editor& editor)
    : LayoutSnapshot(editor.layout, editor.images.ImageList) {}

LayoutSnapshot::LayoutSnapshot(Layout layout, const ImageStore& store)
    : layout_(std::move(layout)), images_(KeepImages(store)) {}

void RecountImages(const Layout& layout, ImageStore& store) {
    std::unordered_map<std::string, std::uint32_t> holders;
    for (const auto& w : layout.WindowList)
        for (int i = 0; i < kIndexCount; ++i)
            if (w->ImageHeld[i] && !w->BMP[i].empty()) ++holders[w->BMP[i]];
    std::vector<std::shared_ptr<cImage>> kept;
    for (const auto& image : store.Images()) {
        const auto found = holders.find(image->FileName);
        if (found == holders.end()) continue;
        image->RefCount = found->second;
        kept.push_back(image);
    }
    store.Replace(std::move(kept));
}

} // namespace pw
