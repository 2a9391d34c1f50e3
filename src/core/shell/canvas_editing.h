#pragma once
// Editing the layout with the mouse on the canvas: placing the window the Place menu armed,
// selecting the window under the pointer, moving it and dragging its right or bottom edge.
// Every point is in layout coordinates (the canvas widget unscrolls it first). A lone window
// dragged without snapping takes each step itself, through its position setters; Ctrl, Shift,
// several selected windows and snapping bring in the drags of canvas_group.h.

#include "shell/editor.h"
#include "windows/layout.h"

#include <cstdint>
#include <set>

namespace pw {

enum MouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event.
enum ShiftKey : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using ShiftState = unsigned;

// A press of any button: places the armed kind (a press beside the display places nothing
// and leaves the choice armed), or grabs the current window's right or
// bottom edge, or selects the window under the point and starts moving it, or clears the
// selection where there is no window.
void FormMouseDown(Editor& editor, MouseButton button, ShiftState shift, int x, int y);
// Only a move with the left button held changes the current window, as its drag says. A step
// a setter refuses is lost: the window does not catch up with the pointer afterwards.
void FormMouseMove(Editor& editor, ShiftState shift, int x, int y);
// Ends the drag, refills the information sheet and redraws the layout.
void FormMouseUp(Editor& editor, MouseButton button, ShiftState shift, int x, int y);

// Appends a window of the kind (a Type, 0..7) at the point of the display with its kind's
// defaults and default size, clipped to the display, and makes it current; a kind-0 window
// takes its look from PlaceMode (Background Rectangle, Mat surface). Disarms the Place menu.
// A tag other than 0 joins the window to that tag's group; shared sets the Shared flag.
cWindow& PlaceNewWindow(Editor& editor, std::uint8_t kind, int x, int y, std::uint32_t tag,
                        bool shared);

// Whether the point is a pixel of the display.
bool OnDisplay(const Layout& layout, int x, int y);

// The current window when the point lies in the five-pixel band of its right edge.
cWindow* HitRightEdge(const Layout& layout, int x, int y);
// The same for its bottom edge.
cWindow* HitBottomEdge(const Layout& layout, int x, int y);
// The window strictly inside whose outline the point lies: the current one (unless it is the
// Background object), else the smallest, the later in the list on equal areas; the Background
// object only where no other window is.
// Windows whose numbers are in skip (the locked and hidden ones) are passed over.
cWindow* HitWindow(const Layout& layout, int x, int y,
                   const std::set<std::uint32_t>* skip = nullptr);

} // namespace pw
