#include "dialogs/info_rows.h"

#include "windows/window_setters.h"

#include <limits>
#include <string>

namespace pw {

namespace {

// The far edge a width or height gives, when a window field can hold it; a value beyond
// that is past the display anyway, so the setter would refuse it.
void SetExtent(Editor& editor, cWindow& w, std::int32_t nearEdge, std::int32_t v,
               void (*setFarEdge)(Editor&, cWindow&, std::int32_t)) {
    const long long far = static_cast<long long>(nearEdge) + v - 1;
    if (far < std::numeric_limits<std::int32_t>::min() ||
        far > std::numeric_limits<std::int32_t>::max())
        return;
    setFarEdge(editor, w, static_cast<std::int32_t>(far));
}

} // namespace

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

void ApplyInfoRow(Editor& editor, cWindow& w, int row, std::int32_t v) {
    switch (row) {
    case irFontSize: SetFontSize(editor, w, v); break;
    case irX0: SetX0(editor, w, v); break;
    case irX1: SetX1(editor, w, v); break;
    case irY0: SetY0(editor, w, v); break;
    case irY1: SetY1(editor, w, v); break;
    case irWidth: SetExtent(editor, w, w.X0, v, SetX1); break;
    case irHeight: SetExtent(editor, w, w.Y0, v, SetY1); break;
    case irTag:
        if (v < 0) {
            editor.host.ShowMessage("'" + std::to_string(v) +
                                    "' is not a valid tag: tags are 0 or above");
            break;
        }
        w.Tag = static_cast<std::uint32_t>(v);
        break;
    case irParameter: SetParameter(editor, w, v); break;
    case irTexture: w.Texture = v; break;
    default: break;
    }
}

} // namespace pw
