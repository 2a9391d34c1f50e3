#pragma once
// The nearest display colour code by comparing all 256 palette colours, one after the other:
// the plain statement of what NearestCode must return, kept to check it and to time it
// against.

#include "display/colour.h"
#include "images/image_bank.h"

#include <algorithm>
#include <cstdlib>

namespace pw::reference {

inline int NearestCode(ImageBank& images, int red, int green, int blue) {
    if (images.Dither) {
        red = std::clamp(red - images.DitherError[0], 0, 255);
        green = std::clamp(green - images.DitherError[1], 0, 255);
        blue = std::clamp(blue - images.DitherError[2], 0, 255);
    }
    int best = 0, bestDistance = 1 << 30;
    for (int k = 0; k < 256; ++k) {
        const ScreenColour c = ColourOf(k);
        const int d =
            std::abs(red - Red(c)) + std::abs(green - Green(c)) + std::abs(blue - Blue(c));
        if (d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    if (images.Dither) {
        const ScreenColour c = ColourOf(best);
        images.DitherError = {Red(c) - red, Green(c) - green, Blue(c) - blue};
    }
    return best;
}

} // namespace pw::reference
