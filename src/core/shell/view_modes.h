#pragma once
// Switching between the Design, Static and Dynamic views of the canvas.

#include "windows/view.h"

namespace pw {

// Shows the layout in another view: ViewMode becomes mode and the whole canvas is drawn
// again. The simulation notices the change at its next step.
void SetViewMode(View& view, ViewKind mode);

// Stops the Dynamic view for an edit that must not be overwritten by the simulation: from
// Dynamic the canvas goes back to Design view; any other view stays. The View Control dialog
// is not told, so its Dynamic button stays checked.
void LeaveDynamicView(View& view);

} // namespace pw
