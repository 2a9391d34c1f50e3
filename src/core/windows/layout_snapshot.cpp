#include "windows/layout_snapshot.h"

#include "windows/window_list.h"

#include <unordered_map>

namespace pw {

LayoutSnapshot::LayoutSnapshot(Layout layout, const ImageStore& store)
    : layout_(std::move(layout)), images_(KeepImages(store)) {}

void RecountImages(const Layout& layout, ImageStore& store) {
    std::unordered_map<std::string, std::uint32_t> holders;
    for (const auto& window : layout.WindowList) {
        const cWindow& w = *window; // read through const, which holds no more entries
        for (int i = 0; i < kIndexCount; ++i)
            if (w.ImageHeld[i] && !w.BMP[i].empty()) ++holders[w.BMP[i]];
    }
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
