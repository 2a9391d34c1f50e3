#include "dialogs/palette_grid.h"

#include "display/colour.h"

namespace pw {

Rect PaletteCell(int code) {
    const int left = kPaletteLeft + kPaletteCellWidth * (code % kPaletteColumns);
    const int top = kPaletteTop + kPaletteCellHeight * (code / kPaletteColumns);
    return {left, top, left + kPaletteCellWidth, top + kPaletteCellHeight};
}

int PaletteCodeAt(int x, int y) {
    // Tested before dividing: division truncates towards zero, which would put the margin
    // left of and above the grid into its first column and row.
    if (x < kPaletteLeft || y < kPaletteTop) return kTransparent;
    const int column = (x - kPaletteLeft) / kPaletteCellWidth;
    const int row = (y - kPaletteTop) / kPaletteCellHeight;
    if (column >= kPaletteColumns || row >= kPaletteRows) return kTransparent;
    return kPaletteColumns * row + column;
}

} // namespace pw
