#pragma once
// Lining windows up, as drawing programs do: edges, centres and sizes made equal to those of
// a reference window, and the windows spread evenly between the outermost two. Works on
// inclusive rectangles alone, so that it knows nothing of windows or the display.

#include "platform/geometry.h"

#include <cstddef>
#include <vector>

namespace pw {

enum class Alignment {
    LeftEdges,
    RightEdges,
    TopEdges,
    BottomEdges,
    CentresHorizontally, // the centres on one vertical line
    CentresVertically,   // the centres on one horizontal line
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,
    SameHeight,
};

// The fewest rectangles the alignment does anything with: two, or three to distribute.
std::size_t MinimumForAlignment(Alignment a);

// The rectangles after the alignment, in the order given. reference is the index of the one
// the others follow (distribution keeps the outermost two where they are instead). Too few
// rectangles come back unchanged.
std::vector<Rect> Aligned(const std::vector<Rect>& rects, std::size_t reference, Alignment a);

} // namespace pw
