#pragma once
// Editing the current window from the keyboard: nudging it with the arrow keys and deleting
// it. The Background object is neither moved nor deleted.

#include "shell/document.h"
#include "windows/view.h"

namespace pw {

// Moves the current window by dx, dy pixels through its position setters, whose refusals
// apply (a step that would leave the display is refused).
void NudgeWindow(Document& doc, View& view, int dx, int dy);
// Deletes the current window unless it is the Background object, and redraws: the Delete
// key, the Edit menu and the Window Information dialog all delete this way.
void DeleteCurrentWindow(Document& doc, View& view);

} // namespace pw
