#include "display/colour.h"

namespace pw {

ScreenColour ColourOf(int code) {
    if (code == kTransparent) return kButtonFace;
    if (code == kWhiteCode) return MakeColour(255, 255, 255);
    return BitRuleColour(code & 0xFF);
}

} // namespace pw
