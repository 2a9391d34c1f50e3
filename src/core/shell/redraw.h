#pragma once
// Showing the editor's layout on its view. Before anything is drawn, the windows that show
// store the values they show (ApplyShownValues); that is no user's command, so the undo
// history takes it in without a step.

#include "shell/document.h"
#include "windows/renderer.h"
#include "windows/view.h"

namespace pw {

// The windows that show take the values they show; tells whether the current one changed.
// Without tellHistory the kept layouts are left as they are, for a history about to start
// afresh from this layout.
bool ApplyShownValues(Document& doc, const View& view, bool tellHistory = true);

void RedrawAll(View& view, Document& doc);
void DrawWindow(View& view, Document& doc, const cWindow& w, DrawMode mode);

} // namespace pw
