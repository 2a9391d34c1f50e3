#include "shell/view_modes.h"

namespace pw {

void SetViewMode(View& view, ViewKind mode) {
    view.ViewMode = mode;
    view.observers.Notify(&EditorObserver::ViewModeChanged);
    view.observers.Notify(&EditorObserver::RedrawRequested);
}

void LeaveDynamicView(View& view) {
    // The whole canvas is drawn again too: a canvas left half in the Dynamic picture while
    // the editor is in Design view would show outlines on some windows and not on others.
    if (view.ViewMode == vmDynamic) SetViewMode(view, vmDesign);
}

} // namespace pw
