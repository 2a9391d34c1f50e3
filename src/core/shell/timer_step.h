#pragma once

#include "shell/editor.h"

namespace pw {

// One tick of the one-second timer: counts the tick and, unless the previous step is still
// running, runs one simulation step. What the step changes is no user's command: the undo
// history takes it in without a step.
void TimerStep(Editor& editor);

} // namespace pw
