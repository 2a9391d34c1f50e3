#pragma once
// The Dynamic view: a simulated lift travels, stops and reports statuses; clocks show the
// time; timed sequences step through their texts. The simulation only chooses index values;
// the windows change through SetCurIndex.

#include "shell/editor.h"
#include "windows/clock_text.h"

#include <ctime>
#include <string>

namespace pw {

// One step per timer tick, in every view. Outside the Dynamic view it only notices view
// changes, which refresh the floor and status ranges from the layout.
void SimulationStep(Editor& editor);
// Brings one window in step with the simulation.
void UpdateDynamicWindow(Editor& editor, cWindow& w);


} // namespace pw
