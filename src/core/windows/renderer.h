#pragma once
// Drawing a layout on a view. Drawing reads the layout and changes only the view: its pixels,
// the font and colours it last drew with, and the mats' generator.

#include "windows/layout.h"
#include "windows/view.h"

namespace pw {

enum class DrawMode { Draw, Erase };

// Redraws the whole layout: Background objects first, then every other window, then the
// selection mark. The canvas is not cleared first: the first Background object covers it.
void RedrawAll(View& view, const Layout& layout);
// Whether RedrawAll gives every pixel of the view's canvas a colour of its own, whatever it
// held: the first Background object covers the canvas and paints all of its area.
bool CoversCanvas(const View& view, const Layout& layout);
// Redraws what the layout shows inside area, every window there in drawing order, as
// RedrawAll would, and leaves every pixel outside it as it was.
void RedrawArea(View& view, const Layout& layout, const Rect& area);
// Draws or erases one window (nothing while Loading). A window the sharing rule hides hands
// the call on to the members of its group, so asking for either of a Shared pair draws the
// one that shows.
void DrawWindow(View& view, const Layout& layout, const cWindow& w, DrawMode mode);
// Design view only: the two-pixel selection ring, magenta when on, black when off.
void DrawSelectionMark(View& view, const cWindow* w, bool on);

} // namespace pw
