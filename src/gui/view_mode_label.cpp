#include "gui/view_mode_label.h"

namespace pw {

ViewModeLabel::ViewModeLabel(Editor& editor, QWidget* parent)
    : QLabel(parent), AttachedObserver(editor.observers), editor_(editor) {
    setObjectName("lbViewMode");
    ViewModeChanged();
}

void ViewModeLabel::ViewModeChanged() {
    switch (editor_.view.ViewMode) {
    case vmStatic: return setText("Static view");
    case vmDynamic: return setText("Dynamic view");
    default: return setText("Design view");
    }
}

} // namespace pw
