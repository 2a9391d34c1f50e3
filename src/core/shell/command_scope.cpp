#include "shell/command_scope.h"

#include "shell/redraw.h"

namespace pw {

void BeginCommand(Document& doc) { ++doc.CommandDepth; }

void EndCommand(Document& doc, const View& view) {
    if (doc.CommandDepth > 0 && --doc.CommandDepth > 0) return;
    // A window the command placed or changed shows a default font or a clock sample from the
    // moment it is drawn; the Window Information dialog says so from the same moment.
    if (!view.Loading && ApplyShownValues(doc, view))
        doc.observers.Notify(&EditorObserver::WindowChanged);
    CommandEnded(doc);
    doc.observers.Notify(&EditorObserver::CommandEnded);
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
    EndCommand(doc_, view_);
}

} // namespace pw
