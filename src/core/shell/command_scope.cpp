#include "shell/command_scope.h"

#include "shell/redraw.h"

namespace pw {

void BeginCommand(Editor& editor) { ++editor.doc.CommandDepth; }

void EndCommand(Editor& editor) {
    if (editor.doc.CommandDepth > 0 && --editor.doc.CommandDepth > 0) return;
    // A window the command placed or changed shows a default font or a clock sample from the
    // moment it is drawn; the Window Information dialog says so from the same moment.
    if (!editor.view.Loading && ApplyShownValues(editor))
        editor.observers.Notify(&EditorObserver::WindowChanged);
    CommandEnded(editor);
    editor.observers.Notify(&EditorObserver::CommandEnded);
}

CommandScope::~CommandScope() {
    if (!open_) return;
    try {
        End();
    } catch (...) {
        // Leaving by an error: the error on its way out is the one the user hears of.
    }
}

void CommandScope::End() {
    open_ = false;
    EndCommand(editor_);
}

} // namespace pw
