#pragma once
// Text windows: the current index's text, line by line, justified within the window.

#include "windows/view.h"
#include "windows/window.h"

namespace pw {

// Draws the text w shows (ShownTextOf) in r, line by line; nothing for an empty text.
void DrawText(View& view, const cWindow& w, const Rect& r);

} // namespace pw
