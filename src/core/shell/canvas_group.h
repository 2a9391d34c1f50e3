#pragma once
// The canvas drags that go beyond one window's own step: moving the selected windows
// together from where the press was, snapping an edge or a move to other windows, the
// display or the grid, and the rubber band. Points are in layout coordinates.

#include "shell/canvas_editing.h"
#include "shell/editor.h"

namespace pw {

// Whether drags snap now: snapping is on and Alt is not held.
bool Snapping(const SnapSettings& snap, ShiftState shift);

// A band from the point; it selects the windows it touches at the release.
void StartBand(GroupDrag& drag, int x, int y);
// The selected windows (those not locked) start moving with the pointer.
void StartMove(Editor& editor, int x, int y);
// The current window's far edge, grabbed by the press, starts following the pointer with
// snapping to the windows the view shows.
void StartResize(GroupDrag& drag, const Layout& layout, const View& view, int x, int y);
// A move with the left button held, for a drag begun above; false when there is none.
bool GroupDragStep(Editor& editor, ShiftState shift, int x, int y);
// The release ends it: the band selects, the moved windows come to rest.
void EndGroupDrag(Editor& editor);

} // namespace pw
