#pragma once
// The palette of the Colour Selection dialog: the 256 display colours as 16 rows of 16 cells
// in dialog coordinates, codes running row by row from the top left (0) to the bottom right
// (255, white).

#include "platform/geometry.h"

namespace pw {

constexpr int kPaletteColumns = 16;
constexpr int kPaletteRows = 16;
// The area the grid is laid out in. Cells take whole pixels, so the grid ends a little short
// of its right and bottom edge.
constexpr int kPaletteLeft = 10;
constexpr int kPaletteTop = 10;
constexpr int kPaletteRight = 526;
constexpr int kPaletteBottom = 300;
constexpr int kPaletteCellWidth = (kPaletteRight - kPaletteLeft) / kPaletteColumns;
constexpr int kPaletteCellHeight = (kPaletteBottom - kPaletteTop) / kPaletteRows;

// The pixels the cell of code 0..255 paints, both ends included. A cell reaches the first
// column and row of its right and lower neighbours, which are painted after it and cover
// them: every cell shows as 32 x 18 pixels, the last column and row one pixel wider.
Rect PaletteCell(int code);

// The code of the cell under a point, or 256 off the grid. The one-pixel edge the last column
// and row paint beyond their cells belongs to no cell.
int PaletteCodeAt(int x, int y);

} // namespace pw
