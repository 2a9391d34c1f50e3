#pragma once
// What Design view shows instead of a large image or mat: a crossed outline and a caption.

#include "windows/view.h"
#include "windows/window.h"

#include <string>

namespace pw {

// White diagonals across r and the caption in 16-pixel white Arial on the display's
// background colour at (r.left + 2, r.top).
void DrawPlaceholder(View& view, std::int32_t backgroundColour, const Rect& r, const std::string& caption);

} // namespace pw
