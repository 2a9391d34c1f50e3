#pragma once
// Drawing the layout on the main canvas.

#include "shell/editor.h"

namespace pw {

enum class DrawMode { Draw, Erase };

// Redraws the whole layout: Background objects first, then every other window, then the
// selection mark. The canvas is not cleared first: the first Background object covers it.
void RedrawAll(Editor& editor);
// Draws or erases one window (nothing while Loading). A window the sharing rule hides hands
// the call on to the members of its group, so asking for either of a Shared pair draws the
// one that shows.
void DrawWindow(Editor& editor, cWindow& w, DrawMode mode);
// Design view only: the two-pixel selection ring, magenta when on, black when off.
void DrawSelectionMark(Editor& editor, cWindow* w, bool on);

} // namespace pw
