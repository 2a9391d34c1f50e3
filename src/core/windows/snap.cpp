#include "windows/snap.h"

#include <algorithm>
#include <cstdlib>

namespace pw {

namespace {

void SortUnique(std::vector<int>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// The nearest multiple of grid.
int OnGrid(int v, int grid) {
    const int below = v >= 0 ? v / grid * grid : -((-v + grid - 1) / grid) * grid;
    return v - below < below + grid - v ? below : below + grid;
}

// Snaps one axis: the offset that puts the nearest of the three lines on a target.
void SnapAxis(int low, int high, int& d, const std::vector<int>& lines, int distance,
              bool vertical, std::vector<SnapGuide>& guides) {
    const int moved[] = {low + d, CentreOf(low, high) + d, high + d};
    std::optional<int> best;
    for (int v : moved) {
        const std::optional<int> line = SnapLine(v, lines, distance);
        if (line && (!best || std::abs(*line - v) < std::abs(*best))) {
            best = *line - v;
        }
    }
    if (!best) return;
    d += *best;
    // Every line the snapped rectangle now touches gets its guide.
    for (int v : {low + d, CentreOf(low, high) + d, high + d})
        if (std::binary_search(lines.begin(), lines.end(), v)) guides.push_back({vertical, v});
}

} // namespace

SnapTargets TargetsOf(const std::vector<Rect>& rects) {
    SnapTargets t;
    t.xs.reserve(rects.size() * 3);
    t.ys.reserve(rects.size() * 3);
    for (const Rect& r : rects) {
        t.xs.insert(t.xs.end(), {r.left, CentreOf(r.left, r.right), r.right});
        t.ys.insert(t.ys.end(), {r.top, CentreOf(r.top, r.bottom), r.bottom});
    }
    SortUnique(t.xs);
    SortUnique(t.ys);
    return t;
}

std::optional<int> SnapLine(int v, const std::vector<int>& lines, int distance) {
    const auto above = std::lower_bound(lines.begin(), lines.end(), v);
    std::optional<int> best;
    if (above != lines.end() && *above - v <= distance) best = *above;
    if (above != lines.begin()) {
        const int below = *std::prev(above);
        if (v - below <= distance && (!best || v - below < *best - v)) best = below;
    }
    return best;
}

Snapped SnapMove(const Rect& r, int dx, int dy, const SnapTargets& targets, int distance) {
    Snapped s{dx, dy, {}};
    SnapAxis(r.left, r.right, s.dx, targets.xs, distance, true, s.guides);
    SnapAxis(r.top, r.bottom, s.dy, targets.ys, distance, false, s.guides);
    return s;
}

Snapped SnapMoveToGrid(const Rect& r, int dx, int dy, int grid) {
    grid = std::max(grid, 1);
    return {OnGrid(r.left + dx, grid) - r.left, OnGrid(r.top + dy, grid) - r.top, {}};
}

int SnapFarEdgeToGrid(int edge, int grid) {
    grid = std::max(grid, 1);
    return OnGrid(edge + 1, grid) - 1;
}

} // namespace pw
