#pragma once
// Image windows: the bitmap of the current index, placed by the window's justification.

#include "windows/view.h"
#include "windows/window.h"

namespace pw {

// Images of this many data bytes or more are shown as placeholders in Design view.
constexpr std::uint32_t kLargeImageBytes = 10000;

// Paints w's image of the current index in r; a two-colour image in FG on the index
// background. An image the store does not hold shows as "?? " and its name outside Design
// view.
void DrawImage(View& view, std::int32_t backgroundColour, const cWindow& w, const Rect& r);

} // namespace pw
