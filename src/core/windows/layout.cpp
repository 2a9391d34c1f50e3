#include "windows/layout.h"

#include "windows/window_list.h"

namespace pw {

Layout::Layout(const Layout& other)
    : context(other.context), NextWindowNumber(other.NextWindowNumber),
      BackgroundColour(other.BackgroundColour), InputSpec(other.InputSpec) {
    WindowList.reserve(other.WindowList.size());
    for (const auto& w : other.WindowList) WindowList.push_back(std::make_unique<cWindow>(*w));
    const int current = IndexOf(other, other.CurWindow);
    CurWindow = current >= 0 ? WindowList[static_cast<std::size_t>(current)].get() : nullptr;
}

Layout& Layout::operator=(const Layout& other) {
    if (this != &other) *this = Layout(other);
    return *this;
}

Layout TakeWindows(Layout& layout) {
    Layout taken(layout.context);
    taken.WindowList = std::move(layout.WindowList);
    taken.CurWindow = layout.CurWindow;
    taken.NextWindowNumber = layout.NextWindowNumber;
    taken.BackgroundColour = layout.BackgroundColour;
    taken.InputSpec = layout.InputSpec;
    layout.WindowList.clear();
    layout.CurWindow = nullptr;
    return taken;
}

cWindow* Background(const Layout& layout) {
    return layout.WindowList.empty() ? nullptr : layout.WindowList.front().get();
}

bool IsBackground(const Layout& layout, const cWindow* w) {
    return w && w == Background(layout);
}

cWindow* MovableCurrent(const Layout& layout) {
    return IsBackground(layout, layout.CurWindow) ? nullptr : layout.CurWindow;
}

} // namespace pw
