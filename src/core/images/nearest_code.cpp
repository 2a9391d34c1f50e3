#include "images/nearest_code.h"

#include "images/palette_match.h"

#include <algorithm>

namespace pw {

int NearestCode(ImageBank& images, int red, int green, int blue) {
    if (images.Dither) return DitheredPaletteCode(images.DitherError, red, green, blue);
    // A component beyond 0..255 is as far from every palette level as its bound plus a
    // constant, so clamping it changes no comparison.
    return NearestPaletteCode(std::clamp(red, 0, 255), std::clamp(green, 0, 255),
                              std::clamp(blue, 0, 255));
}

} // namespace pw
