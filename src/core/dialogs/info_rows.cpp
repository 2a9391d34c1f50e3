#include "dialogs/info_rows.h"

namespace pw {

const char* InfoRowName(int row) {
    static const char* const names[kInfoRowCount] = {
        "Font Size", "X0", "X1", "Y0", "Y1", "Width", "Height", "Tag", "Parameter", "Texture",
    };
    return row >= 0 && row < kInfoRowCount ? names[row] : "";
}

bool IsPositionRow(int row) {
    return row >= irX0 && row <= irHeight;
}

long long InfoRowValue(const cWindow& w, int row) {
    switch (row) {
    case irFontSize: return w.FontSize;
    case irX0: return w.X0;
    case irX1: return w.X1;
    case irY0: return w.Y0;
    case irY1: return w.Y1;
    case irWidth: return static_cast<long long>(w.X1) - w.X0 + 1;
    case irHeight: return static_cast<long long>(w.Y1) - w.Y0 + 1;
    case irTag: return w.Tag;
    case irParameter: return w.Parameter;
    case irTexture: return w.Texture;
    default: return 0;
    }
}

} // namespace pw
