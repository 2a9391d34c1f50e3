#pragma once
// Changing which windows are selected, and which the user hid or locked. The Background
// object is never one of several selected windows, and hidden or locked windows are not
// picked by Select All or a rubber band.

#include "shell/editor.h"

#include <cstdint>
#include <set>

namespace pw {

// Makes the window current and the only one selected; none clears the selection.
void SelectOnly(Editor& editor, cWindow* w);
// Adds the window to the selection, making it current, or takes it out (the last other
// selected window becomes current). The Background object is not added.
void ToggleSelected(Editor& editor, cWindow& w);
// The windows in the set become the selection; the last of them in drawing order is current
// unless the current one is among them. An empty set leaves the current window alone.
void SelectIds(Editor& editor, const std::set<WindowId>& ids);
// Every window but the Background object and those hidden or locked.
void SelectAll(Editor& editor);
// No window selected.
void ClearSelection(Editor& editor);
// Whether several windows are selected and w is one of them.
bool InGroup(const Layout& layout, const Selection& selection, const cWindow& w);
// The pickable windows other than the Background object that r touches, leaving out those
// that hold all of r.
std::set<WindowId> WindowsTouching(const Layout& layout, const Selection& selection,
                                   const View& view, const Rect& r);

// What the user may mark a window with in the editor alone.
enum class WindowMark {
    Hidden, // left out of the Design view
    Locked, // neither picked nor moved on the canvas
};
// Puts the mark on the window with the number, or takes it off.
void SetMark(Editor& editor, WindowMark mark, std::uint32_t number, bool on);

} // namespace pw
