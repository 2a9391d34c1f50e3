#pragma once
// Layout coordinates and the canvas widget's coordinates differ by the scroll position. The
// main canvas buffer itself is in layout coordinates: the renderer draws there unshifted and
// the widget applies the scroll position when it shows the buffer and reads the mouse.

namespace pw {

struct ScrollPos {
    int x = 0;
    int y = 0;
};

// Layout point to widget point.
void ScrollXY(int& x, int& y, ScrollPos scroll);
// Widget point to layout point.
void UnscrollXY(int& x, int& y, ScrollPos scroll);

} // namespace pw
