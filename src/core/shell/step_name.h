#pragma once
// What a command did, worked out from the layout before and after it, to name its step of
// undo for the Edit menu ("Move Position Window", "Place Destination/Status", "Set Up"). The
// name says what changed, not who changed it, so a command needs to know nothing of undo.

#include "shell/kept_layout.h"

#include <string>

namespace pw {

std::string StepName(const KeptLayout& before, const KeptLayout& after);

} // namespace pw
