#pragma once
// Mat surfaces: a texture of colour levels between BG0 and BG, drawn from the shared
// generator.

#include "display/colour.h"
#include "windows/view.h"
#include "windows/window.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pw {

// Generator masks by Texture; a Texture of 13 or more is the mask itself.
constexpr std::array<std::uint32_t, 13> TextureSeeds = {
    0x0C17DFD1, 0x1C6E39A1, 0x1C6E39A7, 0x07FFFFFF, 0x07FFFFED, 0x07FFFFC3, 0x07FFFFBB,
    0x07FFFFAB, 0x07FFFF9D, 0x07FFFF97, 0x07FFFF69, 0x07FFFF61, 0x07FFFF55,
};
// Every row of a mat draws this many generator numbers, however narrow it is, so the
// texture does not depend on the window's width.
constexpr int MatRowLength = 1280;
// Mats of (X1 - X0) * (Y1 - Y0) this large or larger are shown as placeholders in Design view.
constexpr double kLargeMatArea = 20000;

// The generator mask of a Texture value. A negative Texture has no mask of its own and draws
// as Texture 0.
std::uint32_t MatMask(std::int32_t texture);

// The screen colours of w's n levels (2..255), from BG0 to BG, each the nearest display
// colour of the straight blend (a transparent end takes the display's background colour).
// They are reduced in index order, so a running dither error carries from level to level.
std::vector<ScreenColour> MatLevels(View& view, std::int32_t backgroundColour, const cWindow& w, int n);

// Draws w's mat in r: Parameter levels (2..255, otherwise nothing) from BG0 to BG, each pixel
// taking the level the generator picks. The generator restarts at every mat and is anchored
// at the window's top-left corner.
void DrawMat(View& view, std::int32_t backgroundColour, const cWindow& w, const Rect& r);

} // namespace pw
