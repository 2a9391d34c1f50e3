#include "shell/timer_step.h"

#include "shell/simulation.h"

namespace pw {

void TimerStep(Editor& editor) {
    ++editor.run.TickCount;
    if (editor.run.TimerBusy) return;
    editor.run.TimerBusy = true;
    try {
        // Only the Dynamic view changes windows; their values before the step tell which.
        const std::vector<LiveValues> before =
            editor.view.ViewMode == vmDynamic ? LiveValuesOf(editor.doc.layout) : std::vector<LiveValues>{};
        SimulationStep(editor);
        editor.doc.history.TakeIn(editor.doc.layout, before);
    } catch (...) {
        editor.run.TimerBusy = false;
        throw;
    }
    editor.run.TimerBusy = false;
}

} // namespace pw
