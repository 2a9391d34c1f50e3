#pragma once
// Commands on the selected windows, each one step of undo: moving them with the keys,
// deleting them, lining them up, changing their drawing order, and giving them the colours,
// font or draw type of the current window. With one window selected each acts as the
// single-window command does.

#include "shell/editor.h"
#include "windows/align.h"
#include "windows/window_fields.h"

#include <cstddef>

namespace pw {

// The selected windows that commands may move: not the Background object, not locked.
std::vector<cWindow*> MovableSelection(const Layout& layout, const Selection& selection);

// Moves the movable selected windows together by (dx, dy), held so that all of them stay on
// the display; one window moves as NudgeWindow moves it.
void NudgeSelection(Editor& editor, int dx, int dy);
// Deletes the movable selected windows.
void DeleteSelection(Editor& editor);

// Whether enough windows are selected for the alignment.
bool CanAlign(const Layout& layout, const Selection& selection, Alignment a);
// Lines the selected windows up on the current one; the locked ones stay where they are,
// and every window stays on the display.
void AlignSelection(Editor& editor, Alignment a);

// Raises each selected window above the next unselected window in the drawing order
// (forward), or lowers it below the previous one (never below the Background object).
void StepDrawingOrder(Editor& editor, bool forward);
// Moves the window to index to of the drawing order (1 and above), as dragging its row does.
void MoveInDrawingOrder(Editor& editor, WindowId id, std::size_t to);

// The other selected windows take the fields of the mask from the current one.
void ApplyToSelection(Editor& editor, FieldMask mask);

} // namespace pw
