#pragma once
// The display colour code nearest to a screen colour, with optional dithering.

#include "shell/editor.h"

namespace pw {

// With editor.Dither set, each component is first corrected by the running DitherError and
// clamped to 0..255, and the error left by the chosen code is kept for the next call. The
// distance is the sum of the absolute component differences; on equal distances the lower
// code wins. Never 256.
int NearestCode(Editor& editor, int red, int green, int blue);

} // namespace pw
