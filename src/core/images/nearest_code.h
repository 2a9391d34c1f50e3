#pragma once
// The display colour code nearest to a screen colour, with optional dithering.

#include "images/image_bank.h"

namespace pw {

// With the bank's Dither set, each component is first corrected by the running DitherError and
// clamped to 0..255, and the error left by the chosen code is kept for the next call. The
// distance is the sum of the absolute component differences; on equal distances the lower
// code wins. Never 256.
int NearestCode(ImageBank& images, int red, int green, int blue);

} // namespace pw
