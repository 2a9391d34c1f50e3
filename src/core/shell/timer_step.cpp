#include "shell/timer_step.h"

#include "windows/simulation.h"

namespace pw {

void TimerStep(Editor& editor) {
    ++editor.TickCount;
    if (editor.TimerBusy) return;
    editor.TimerBusy = true;
    try {
        SimulationStep(editor);
    } catch (...) {
        editor.TimerBusy = false;
        throw;
    }
    editor.TimerBusy = false;
}

} // namespace pw
