#pragma once
// What the pointer shows over the canvas: what a press there would do, or what the drag in
// progress does.

#include "shell/editor.h"

namespace pw {

enum class Pointer {
    Arrow,      // a press selects (or clears the selection)
    Place,      // a press places the armed kind
    SizeRight,  // a press grabs the current window's right edge
    SizeBottom, // ... its bottom edge
    Move,       // ... the current window itself
};

// The pointer at (x, y), layout coordinates.
Pointer PointerAt(const Layout& layout, const PointerState& pointer, int x, int y);

} // namespace pw
