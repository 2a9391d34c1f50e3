#include "windows/window_list.h"

#include "display/colour.h"
#include "windows/renderer.h"

#include <algorithm>

namespace pw {

cWindow& NewWindow(Layout& layout) {
    auto window = std::make_unique<cWindow>(layout.context);
    window->Number = layout.NextWindowNumber++;
    window->Tag = window->Number;
    layout.WindowList.push_back(std::move(window));
    cWindow& added = *layout.WindowList.back();
    added.ListPos = static_cast<std::uint32_t>(layout.WindowList.size());
    return added;
}

cWindow* WindowAt(const Layout& layout, std::size_t i) {
    return i < layout.WindowList.size() ? layout.WindowList[i].get() : nullptr;
}

int IndexOf(const Layout& layout, const cWindow* window) {
    const auto& list = layout.WindowList;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == window) return static_cast<int>(i);
    return -1;
}

cWindow* FindWindow(const Layout& layout, WindowId id) {
    for (const auto& w : layout.WindowList)
        if (w->Id == id) return w.get();
    return nullptr;
}

void ClearWindows(Layout& layout) {
    layout.WindowList.clear();
    layout.CurWindow = nullptr;
}

void DeleteWindow(Layout& layout, ImageStore& store, cWindow* window) {
    const int i = IndexOf(layout, window);
    if (i <= 0) return;
    std::unique_ptr<cWindow> removed = std::move(layout.WindowList[i]);
    layout.WindowList.erase(layout.WindowList.begin() + i);
    const IndexedStrings& names = removed->BMP;
    for (int i = 0; i < kIndexCount; ++i) {
        if (!removed->ImageHeld[i] || names[i].empty()) continue;
        cImage* image = store.FindImage(names[i]);
        store.ReleaseImage(image);
    }
    if (layout.CurWindow == window) layout.CurWindow = nullptr;
    RenumberWindows(layout);
}

void PutOnTop(Layout& layout, cWindow* window) {
    const int i = IndexOf(layout, window);
    if (i <= 0) return;
    auto& list = layout.WindowList;
    std::rotate(list.begin() + i, list.begin() + i + 1, list.end());
    RenumberWindows(layout);
}

void RenumberWindows(Layout& layout) {
    for (std::size_t i = 0; i < layout.WindowList.size(); ++i)
        layout.WindowList[i]->ListPos = static_cast<std::uint32_t>(i + 1);
}

cWindow* StepWindow(const Layout& layout, const cWindow* window, int d) {
    const int length = static_cast<int>(layout.WindowList.size());
    if (length == 0) return nullptr;
    const int i = IndexOf(layout, window);
    if (i < 0) return WindowAt(layout, 0);
    const long long j = static_cast<long long>(i) + d;
    if (j >= length) return WindowAt(layout, 0);
    if (j < 0) return WindowAt(layout, static_cast<std::size_t>(length - 1));
    return WindowAt(layout, static_cast<std::size_t>(j));
}

cWindow* FindSharedPartner(const Layout& layout, const cWindow& w, std::size_t start) {
    for (std::size_t i = start; i < layout.WindowList.size(); ++i) {
        cWindow* other = layout.WindowList[i].get();
        if (other != &w && other->Tag == w.Tag) return other;
    }
    return nullptr;
}

bool IsShownShared(const Layout& layout, const cWindow& w) {
    if (!w.HasFlag(fmShared)) return true;
    const cWindow* partner = FindSharedPartner(layout, w, 0);
    if (!partner) return true;
    if (w.ListPos <= partner->ListPos) return partner->CurIndex == 0;
    return w.CurIndex != 0;
}

bool SizeBackground(Layout& layout, int width, int height) {
    cWindow* background = Background(layout);
    if (!background || width - 1 == background->X1) return false;
    if (width < 1 || height < 1 || width > kMaxDisplaySide || height > kMaxDisplaySide)
        return false;
    background->X0 = 0;
    background->Y0 = 0;
    background->X1 = width - 1;
    background->Y1 = height - 1;
    return true;
}

void ClipToDisplay(const Layout& layout, cWindow& window) {
    const cWindow* background = Background(layout);
    if (!background) return;
    window.X0 = std::max(window.X0, 0);
    window.Y0 = std::max(window.Y0, 0);
    window.X1 = std::min(window.X1, background->X1);
    window.Y1 = std::min(window.Y1, background->Y1);
}

} // namespace pw
