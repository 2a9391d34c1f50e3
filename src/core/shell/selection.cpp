#include "shell/selection.h"

namespace pw {

std::vector<cWindow*> SelectedWindows(const Layout& layout, const Selection& selection) {
    cWindow* current = layout.CurWindow;
    if (!current) return {};
    if (!selection.Contains(current->Id)) return {current};
    std::vector<cWindow*> windows;
    for (const auto& w : layout.WindowList)
        if (selection.Contains(w->Id)) windows.push_back(w.get());
    return windows;
}

bool Pickable(const Selection& selection, const View& view, const cWindow& w) {
    return !selection.IsLocked(w) && !(view.ViewMode == vmDesign && view.Hidden.contains(w.Number));
}

std::set<std::uint32_t> Unpickable(const Selection& selection, const View& view) {
    std::set<std::uint32_t> numbers = selection.Locked;
    if (view.ViewMode == vmDesign) numbers.insert(view.Hidden.begin(), view.Hidden.end());
    return numbers;
}

} // namespace pw
