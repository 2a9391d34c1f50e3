#pragma once
// Stands in for the canvas widget where there is none: a redraw of the whole layout that the
// core asks for is made once the command that asked has finished, as the widget's next paint
// makes it. A tick that changes several windows under Full Redraw thus redraws once.

#include "shell/editor.h"
#include "shell/redraw.h"

namespace pw {

class PendingRedraw : private AttachedObserver {
public:
    explicit PendingRedraw(Editor& editor) : AttachedObserver(editor.observers), editor_(editor) {}

    // Redraws the layout if that was asked for since the last call.
    void Paint() {
        if (!requested_) return;
        requested_ = false;
        RedrawAll(editor_.view, editor_.doc);
    }

private:
    void RedrawRequested() override { requested_ = true; }

    Editor& editor_;
    bool requested_ = false;
};

} // namespace pw
