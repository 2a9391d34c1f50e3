#pragma once
// The canvas pointer: the Place menu choice armed, where the last press or move was, and
// the drag of several windows (or with snapping) under way.

#include "shell/group_drag.h"

#include <cstdint>

namespace pw {

struct PointerState {
    std::uint8_t PlaceMode = 0;
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;
    GroupDrag drag;
    SnapSettings snap;
};

} // namespace pw
