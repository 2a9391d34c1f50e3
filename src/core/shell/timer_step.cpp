#include "shell/timer_step.h"

#include "windows/simulation.h"

namespace pw {

void TimerStep(Editor& editor) {
    ++editor.TickCount;
    if (editor.TimerBusy) return;
    editor.TimerBusy = true;
    try {
        // Only the Dynamic view changes windows; their values before the step tell which.
        const std::vector<LiveValues> before =
            editor.ViewMode == vmDynamic ? LiveValuesOf(editor.layout) : std::vector<LiveValues>{};
        SimulationStep(editor);
        editor.history.TakeIn(editor.layout, before);
    } catch (...) {
        editor.TimerBusy = false;
        throw;
    }
    editor.TimerBusy = false;
}

} // namespace pw
