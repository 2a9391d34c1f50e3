#pragma once
// Rectangles: a bevel of FontSize rings around a filled interior.

#include "windows/view.h"
#include "windows/window.h"

namespace pw {

// The bevel of w in r, its style chosen by Parameter: 0 a flat frame in BG0, 1 top and left
// in BG0 with bottom and right in BG, 2 the reverse, 3 and 4 an outer and an inner half with
// the colours crossed. The interior takes FG unless FG is transparent.
void DrawBevel(View& view, const cWindow& w, const Rect& r);

} // namespace pw
