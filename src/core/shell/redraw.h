#pragma once
// Showing the editor's layout on its view. Before anything is drawn, the windows that show
// store the values they show (ApplyShownValues); that is no user's command, so the undo
// history takes it in without a step.

#include "shell/editor.h"
#include "windows/renderer.h"

namespace pw {

// The windows that show take the values they show; tells whether the current one changed.
bool ApplyShownValues(Editor& editor);

void RedrawAll(Editor& editor);
void DrawWindow(Editor& editor, const cWindow& w, DrawMode mode);
void DrawSelectionMark(Editor& editor, const cWindow* w, bool on);

} // namespace pw
