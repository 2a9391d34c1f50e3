#pragma once
// Snapping a dragged rectangle: an edge or the centre that comes within a few pixels of a
// target line (another window's edge or centre, the display's edges and centre) moves onto
// it, and a guide shows the line; or, instead, the near edges go to a grid.

#include "platform/geometry.h"

#include <optional>
#include <vector>

namespace pw {

constexpr int kSnapDistance = 5;

// The lines a drag snaps to, each list sorted: the x of vertical lines and the y of
// horizontal ones.
struct SnapTargets {
    std::vector<int> xs, ys;
};

// The edges and centre of every rectangle, kept sorted and each line once.
SnapTargets TargetsOf(const std::vector<Rect>& rects);

// A guide: a vertical line at x = at, or a horizontal one at y = at.
struct SnapGuide {
    bool vertical;
    int at;
    friend bool operator==(const SnapGuide&, const SnapGuide&) = default;
};

struct Snapped {
    int dx = 0, dy = 0; // the offset after snapping
    std::vector<SnapGuide> guides;
};

// The centre line of an inclusive span, as snapping measures it.
inline int CentreOf(int low, int high) { return low + (high - low) / 2; }

// The offset (dx, dy) of rectangle r corrected so that the nearest of its edges and centre
// within distance of a target lies on it, per axis; an axis with none keeps its offset.
Snapped SnapMove(const Rect& r, int dx, int dy, const SnapTargets& targets,
                 int distance = kSnapDistance);
// The line within distance of v nearest to it, if any.
std::optional<int> SnapLine(int v, const std::vector<int>& lines, int distance = kSnapDistance);

// The offset corrected so that r's left and top edges lie on multiples of grid (grid >= 1).
Snapped SnapMoveToGrid(const Rect& r, int dx, int dy, int grid);
// A far edge (right or bottom, inclusive) moved to where the next pixel starts a grid cell.
int SnapFarEdgeToGrid(int edge, int grid);

} // namespace pw
