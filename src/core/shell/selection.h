#pragma once
// The windows the user picked, by Number: undo and redo rebuild windows, numbers stay. The
// layout's CurWindow stays the current one (the last clicked); when it is not among the
// numbers, something chose it alone (the sheet's Next, a paste, an undo) and it is the whole
// selection. Locked windows are kept here too: they are the ones the canvas never picks.

#include "windows/layout.h"
#include "windows/view.h"

#include <cstdint>
#include <set>
#include <vector>

namespace pw {

class Selection {
public:
    bool Contains(std::uint32_t number) const { return numbers_.contains(number); }
    const std::set<std::uint32_t>& Numbers() const { return numbers_; }
    void Clear() { numbers_.clear(); }
    void Add(std::uint32_t number) { numbers_.insert(number); }
    void Remove(std::uint32_t number) { numbers_.erase(number); }
    void Assign(std::set<std::uint32_t> numbers) { numbers_ = std::move(numbers); }

    // Windows the canvas neither selects nor moves.
    std::set<std::uint32_t> Locked;

private:
    std::set<std::uint32_t> numbers_;
};

// The window with the number, or none.
cWindow* WindowNumbered(const Layout& layout, std::uint32_t number);

// The selected windows in drawing order: the current window alone when the numbers do not
// hold it, else every window they name that the layout still holds; none without a current
// window.
std::vector<cWindow*> SelectedWindows(const Layout& layout, const Selection& selection);

// Whether the canvas may pick the window: not locked, and not hidden from the view shown.
bool Pickable(const Selection& selection, const View& view, const cWindow& w);

// The numbers the canvas may not pick.
std::set<std::uint32_t> Unpickable(const Selection& selection, const View& view);

} // namespace pw
