#pragma once
// Display colour codes and the screen colours they stand for.
//
// A code 0..255 is laid out RRGGBBII: two bits each of red, green and blue (weights 128 and
// 64) and two of grey intensity added to all three (weights 32 and 16). 255 is pure white,
// 256 is transparent.

#include <cstdint>

namespace pw {

// A screen colour as the canvas stores it: 0xFFRRGGBB.
using ScreenColour = std::uint32_t;

constexpr int kWhiteCode = 255;
constexpr int kTransparent = 256;

constexpr ScreenColour MakeColour(int r, int g, int b) {
    return 0xFF000000u | (static_cast<std::uint32_t>(r & 0xFF) << 16) |
           (static_cast<std::uint32_t>(g & 0xFF) << 8) | static_cast<std::uint32_t>(b & 0xFF);
}
constexpr int Red(ScreenColour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int Green(ScreenColour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(ScreenColour c) { return static_cast<int>(c & 0xFF); }

// The face colour of buttons and dialogs, which transparent areas show as. It is no palette
// colour: the only code with all bits set is 255, which is white.
constexpr ScreenColour kButtonFace = MakeColour(240, 240, 240);

// Screen colour of a display colour code; codes other than 255 and 256 convert by their low
// eight bits.
ScreenColour ColourOf(int code);

// Screen colour of the palette code 0..255 by the bit rule alone (255 gives 240, 240, 240).
constexpr ScreenColour BitRuleColour(int code) {
    const int grey = ((code & 2) ? 32 : 0) + ((code & 1) ? 16 : 0);
    const int r = ((code & 128) ? 128 : 0) + ((code & 64) ? 64 : 0) + grey;
    const int g = ((code & 32) ? 128 : 0) + ((code & 16) ? 64 : 0) + grey;
    const int b = ((code & 8) ? 128 : 0) + ((code & 4) ? 64 : 0) + grey;
    return MakeColour(r, g, b);
}

} // namespace pw
