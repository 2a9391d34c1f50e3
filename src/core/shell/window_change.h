#pragma once
// The one way a window's content changes. The Window Information dialog, its grid, the canvas
// and the keyboard all come here, so that every change is recorded for undo the same way, the
// views hear of it the same way, and what it uncovers is drawn again from the whole layout.

#include "shell/document.h"
#include "windows/view.h"
#include "windows/window_fields.h"

#include <vector>

namespace pw {

// Gives window id the values of the fields in mask, as part of the user command under way
// (CommandScope), which makes it a step of undo when it ends. A position must stay on the
// display (the Background object's is not changed here), a draw type, an index, a font size
// and a parameter in their ranges; a change
// that breaks one of these changes nothing. The views are told (PositionChanged for the
// position, WindowChanged for what the information dialog shows) and what the window covered
// before and covers now is drawn again. Returns the fields that changed.
FieldMask ChangeWindow(Document& doc, View& view, WindowId id, const WindowFields& values,
                       FieldMask mask);

// Where a window of a group change goes.
struct WindowPlace {
    WindowId id;
    Rect at;
};

// How a group change is shown.
enum class GroupShown {
    Drawn,     // what the windows covered and cover is drawn again, once for them all
    Previewed, // nothing is drawn: a drag's preview shows the windows where they go
};

// ChangeWindow for the places of several windows at once (a group moved, lined up or
// dragged): each window of places that the layout holds takes its place under the same rules,
// a window whose place breaks one staying where it is. The views hear of the positions once.
// Returns whether any window moved.
bool ChangePlaces(Document& doc, View& view, const std::vector<WindowPlace>& places,
                  GroupShown shown);

// What a window and the windows it shares its place with cover on the canvas.
Rect CoveredArea(const View& view, const Layout& layout, const cWindow& w);
// Draws again, from the whole layout in drawing order, what w covers now and what was covered
// before it changed.
void RedrawChanged(Document& doc, View& view, const cWindow& w, const Rect& was);

} // namespace pw
