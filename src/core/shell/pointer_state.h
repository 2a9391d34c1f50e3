#pragma once
// The canvas pointer: the Place menu choice armed, and where the last press or move was.

#include <cstdint>

namespace pw {

struct PointerState {
    std::uint8_t PlaceMode = 0;
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;
};

} // namespace pw
