#pragma once
// The windows the user picked, by WindowId: undo and redo rebuild windows, their ids stay.
// The layout's CurWindow stays the current one (the last clicked); when it is not among the
// ids, something chose it alone (the sheet's Next, a paste, an undo) and it is the whole
// selection. Locked windows are kept here too, by Number as the user's settings keep them for
// the layout file: they are the ones the canvas never picks.

#include "windows/layout.h"
#include "windows/view.h"

#include <cstdint>
#include <set>
#include <vector>

namespace pw {

class Selection {
public:
    bool Contains(WindowId id) const { return ids_.contains(id); }
    std::size_t Size() const { return ids_.size(); }
    void Clear() { ids_.clear(); }
    void Assign(std::set<WindowId> ids) { ids_ = std::move(ids); }

    // Windows the canvas neither selects nor moves.
    std::set<std::uint32_t> Locked;
    bool IsLocked(const cWindow& w) const { return Locked.contains(w.Number); }

private:
    std::set<WindowId> ids_;
};

// The selected windows in drawing order: the current window alone when the ids do not hold
// it, else every window they name that the layout still holds; none without a current
// window.
std::vector<cWindow*> SelectedWindows(const Layout& layout, const Selection& selection);

// Whether the canvas may pick the window: not locked, and not hidden from the view shown.
bool Pickable(const Selection& selection, const View& view, const cWindow& w);

// The numbers the canvas may not pick.
std::set<std::uint32_t> Unpickable(const Selection& selection, const View& view);

} // namespace pw
