#pragma once

#include "shell/editor.h"

namespace pw {

// One tick of the one-second timer: counts the tick and, unless the previous step is still
// running, runs one simulation step.
void TimerStep(Editor& editor);

} // namespace pw
