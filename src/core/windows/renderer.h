#pragma once
// Drawing the layout on the main canvas.

#include "shell/editor.h"

namespace pw {

enum class DrawMode { Draw, Erase };

// Redraws the whole layout: Background objects first, then every other window, then the
// selection mark.
void RedrawAll(Editor& editor);
// Draws or erases one window (nothing while Loading, or while the sharing rule hides it).
void DrawWindow(Editor& editor, cWindow& w, DrawMode mode);
// Design view only: the two-pixel selection ring, magenta when on, black when off.
void DrawSelectionMark(Editor& editor, cWindow* w, bool on);

// The window's rectangle on the main canvas.
Rect CanvasRect(const cWindow& w);

} // namespace pw
