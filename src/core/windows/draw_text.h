#pragma once
// Text windows: the current index's text, line by line, justified within the window.

#include "shell/editor.h"

namespace pw {

// Draws w's text of the current index in r. When there is one to draw, an empty face becomes "Arial" and a size of 0
// becomes 20, both kept in the window; outside Dynamic view a Time and Date Window shows
// (and keeps) the sample text of its clock setting. Nothing for an empty text.
void DrawText(Editor& editor, cWindow& w, const Rect& r);

} // namespace pw
