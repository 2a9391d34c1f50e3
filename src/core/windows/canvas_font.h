#pragma once
// The font the main canvas was last given. Every text the renderer draws sets it first; only
// the "?? " that stands for a missing image draws in whatever it was left as.

#include "platform/text_engine.h"
#include "display/colour.h"

namespace pw {

struct CanvasFont {
    FontDesc font{"Arial", 16, 0};
    ScreenColour colour = MakeColour(0, 0, 0);
};

} // namespace pw
