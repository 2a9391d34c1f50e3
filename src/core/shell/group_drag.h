#pragma once
// A drag on the canvas that is more than one window's own step: the selection moved from
// where the press was, with snapping; an edge dragged with snapping; or a rubber band.

#include "platform/geometry.h"
#include "windows/drag_preview.h"
#include "windows/snap.h"
#include "windows/window.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace pw {

// How drags snap, as the user set it.
struct SnapSettings {
    bool windows = false; // to other windows and the display (the editor turns it on)
    bool grid = false;    // to the grid instead
    int gridSize = 8;
};

struct GroupDrag {
    enum class Kind { None, Move, Resize, Band };
    Kind kind = Kind::None;
    int startX = 0, startY = 0; // the press
    // Move: each window's place at the press, the box around them all, the offset shown.
    std::vector<std::pair<WindowId, Rect>> from;
    Rect bounds;
    int dx = 0, dy = 0;
    SnapTargets targets;
    DragPreview preview;
    // Resize: the far edge at the press.
    int edge = 0;
    // Band: its rectangle once the pointer moved (empty before).
    Rect band;
    // Where the drag snapped last, for the canvas to show.
    std::vector<SnapGuide> guides;
};

} // namespace pw
