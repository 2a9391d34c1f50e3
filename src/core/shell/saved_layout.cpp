#include "shell/saved_layout.h"

#include "config/dcf_file.h"
#include "shell/editor.h"

namespace pw {

void SavedLayout::Remember(const Layout& layout) {
    text_ = WriteLayoutText(layout);
}

bool SavedLayout::Differs(const Layout& layout) const {
    return !text_ || *text_ != WriteLayoutText(layout);
}

void MarkLayoutSaved(Editor& editor) {
    editor.savedLayout.Remember(editor.layout);
    editor.observers.Notify(&EditorObserver::LayoutSaved);
}

bool HasUnsavedChanges(const Editor& editor) {
    return editor.savedLayout.Differs(editor.layout);
}

} // namespace pw
