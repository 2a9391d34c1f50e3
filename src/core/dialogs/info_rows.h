#pragma once
// The rows of the Window Information grid: ten numbers of a window, each shown in its row and
// changed by the row's own rule when the user types a value there.

#include "windows/window.h"

#include <cstdint>

namespace pw {

// The grid's rows, top to bottom.
enum InfoRow : int {
    irFontSize = 0,
    irX0 = 1,
    irX1 = 2,
    irY0 = 3,
    irY1 = 4,
    irWidth = 5,
    irHeight = 6,
    irTag = 7,
    irParameter = 8,
    irTexture = 9,
};
constexpr int kInfoRowCount = 10;
// No row: nothing typed waits to be applied.
constexpr int kNoRow = -1;

// The row's name, as the fixed column shows it; "" beyond the rows.
const char* InfoRowName(int row);
// X0 to Height follow the window's position and size.
bool IsPositionRow(int row);
// What the row shows for the window. Width and Height are worked out wider than a field, so a
// window a damaged file left inside out shows what it holds.
long long InfoRowValue(const cWindow& w, int row);

} // namespace pw
