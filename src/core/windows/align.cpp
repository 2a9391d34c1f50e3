#include "windows/align.h"

#include <algorithm>
#include <numeric>

namespace pw {

namespace {

// Moves r along one axis so that its near edge is at, keeping its extent.
void MoveTo(int& nearEdge, int& farEdge, int at) {
    farEdge += at - nearEdge;
    nearEdge = at;
}

int Centre(int a, int b) { return a + (b - a) / 2; }

// Spreads the rectangles along one axis with equal gaps, the first and last by position
// staying put. The pixels that do not divide evenly go to the first gaps.
void Distribute(std::vector<Rect>& rects, int Rect::*nearEdge, int Rect::*farEdge) {
    std::vector<std::size_t> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rects[a].*nearEdge < rects[b].*nearEdge;
    });
    const Rect& first = rects[order.front()];
    const Rect& last = rects[order.back()];
    long long extents = 0;
    for (std::size_t i : order) extents += rects[i].*farEdge - rects[i].*nearEdge + 1;
    const long long room = static_cast<long long>(last.*farEdge) - first.*nearEdge + 1 - extents;
    const long long gaps = static_cast<long long>(order.size()) - 1;
    // A negative room (windows overlapping more than they span) spreads them as far as it can.
    const long long gap = room >= 0 ? room / gaps : -((-room + gaps - 1) / gaps);
    long long extra = room - gap * gaps;
    long long at = first.*farEdge + 1;
    for (std::size_t k = 1; k + 1 < order.size(); ++k) {
        Rect& r = rects[order[k]];
        at += gap + (extra > 0 ? 1 : 0);
        if (extra > 0) --extra;
        MoveTo(r.*nearEdge, r.*farEdge, static_cast<int>(at));
        at = r.*farEdge + 1;
    }
}

} // namespace

std::size_t MinimumForAlignment(Alignment a) {
    return a == Alignment::DistributeHorizontally || a == Alignment::DistributeVertically ? 3 : 2;
}

std::vector<Rect> Aligned(const std::vector<Rect>& rects, std::size_t reference, Alignment a) {
    std::vector<Rect> out = rects;
    if (rects.size() < MinimumForAlignment(a) || reference >= rects.size()) return out;
    const Rect ref = rects[reference];
    if (a == Alignment::DistributeHorizontally) {
        Distribute(out, &Rect::left, &Rect::right);
        return out;
    }
    if (a == Alignment::DistributeVertically) {
        Distribute(out, &Rect::top, &Rect::bottom);
        return out;
    }
    for (Rect& r : out) {
        switch (a) {
        case Alignment::LeftEdges: MoveTo(r.left, r.right, ref.left); break;
        case Alignment::RightEdges: MoveTo(r.right, r.left, ref.right); break;
        case Alignment::TopEdges: MoveTo(r.top, r.bottom, ref.top); break;
        case Alignment::BottomEdges: MoveTo(r.bottom, r.top, ref.bottom); break;
        case Alignment::CentresHorizontally:
            MoveTo(r.left, r.right, r.left + Centre(ref.left, ref.right) - Centre(r.left, r.right));
            break;
        case Alignment::CentresVertically:
            MoveTo(r.top, r.bottom, r.top + Centre(ref.top, ref.bottom) - Centre(r.top, r.bottom));
            break;
        case Alignment::SameWidth: r.right = r.left + ref.right - ref.left; break;
        case Alignment::SameHeight: r.bottom = r.top + ref.bottom - ref.top; break;
        default: break;
        }
    }
    return out;
}

} // namespace pw
