#pragma once
// The window list and its operations. Element 0 is always the Background object, whose
// position is the whole display; the other windows are held inside it. What works on the
// list alone takes the layout; what draws or tells the views is in the shell.

#include "images/image_store.h"
#include "windows/layout.h"

#include <cstddef>
#include <cstdint>

namespace pw {

// A new window with every field zero or empty, appended to the list, with the next Number
// and its Tag equal to that Number.
cWindow& NewWindow(Layout& layout);
// Element i, or none when i is not below the list length.
cWindow* WindowAt(const Layout& layout, std::size_t i);
// Position of the window in the list, or -1 when it is not in it.
int IndexOf(const Layout& layout, const cWindow* window);
// The window of the layout that is id; none when it was deleted, or undone out of the layout.
cWindow* FindWindow(const Layout& layout, WindowId id);

// Removes every window, the Background object included; no current window afterwards. The
// windows' image counts are left alone: loading a layout empties the whole store itself.
void ClearWindows(Layout& layout);
// Removes the window (never element 0), giving up the counts its images hold in the store.
void DeleteWindow(Layout& layout, ImageStore& store, cWindow* window);
// Moves the window (never element 0) to the end of the list, above the others of its pass.
void PutOnTop(Layout& layout, cWindow* window);
void RenumberWindows(Layout& layout);
// The window d places on, wrapping at both ends; element 0 for a window not in the list.
cWindow* StepWindow(const Layout& layout, const cWindow* window, int d);

// The first window from list index start on, other than w, with w's Tag.
cWindow* FindSharedPartner(const Layout& layout, const cWindow& w, std::size_t start);
// Whether w is the member of its Shared group that shows now.
bool IsShownShared(const Layout& layout, const cWindow& w);

// Holds the window inside the display.
void ClipToDisplay(const Layout& layout, cWindow& window);

} // namespace pw
