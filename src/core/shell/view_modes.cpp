#include "shell/view_modes.h"

namespace pw {

void SetViewMode(Editor& editor, ViewKind mode) {
    editor.view.ViewMode = mode;
    editor.observers.Notify(&EditorObserver::ViewModeChanged);
    editor.observers.Notify(&EditorObserver::RedrawRequested);
}

void LeaveDynamicView(Editor& editor) {
    // The whole canvas is drawn again too: a canvas left half in the Dynamic picture while
    // the editor is in Design view would show outlines on some windows and not on others.
    if (editor.view.ViewMode == vmDynamic) SetViewMode(editor, vmDesign);
}

} // namespace pw
