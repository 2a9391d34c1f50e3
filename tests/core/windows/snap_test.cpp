// Snapping a dragged rectangle to the lines of others, and to the grid.

#include "windows/snap.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

// A display of 640 x 480 (lines 0, 319, 639 and 0, 239, 479) and one window at 100..199 x
// 50..89 (lines 100, 149, 199 and 50, 69, 89).
const SnapTargets kTargets =
    TargetsOf({{0, 0, 639, 479}, {100, 50, 199, 89}});

TEST(Snap, AnEdgeWithinFivePixelsGoesOntoTheLine) {
    // A 30 x 20 box at 300..329 x 300..319; moved by (-94, 0) its left edge is at 206, 7 from
    // 199: no snap; by (-99, 0) it is at 201, 2 from 199: it snaps 2 further left.
    const Rect box{300, 300, 329, 319};
    EXPECT_EQ(SnapMove(box, -94, 0, kTargets).dx, -94);
    const Snapped s = SnapMove(box, -99, 0, kTargets);
    EXPECT_EQ(s.dx, -101);
    EXPECT_EQ(s.dy, 0);
    EXPECT_EQ(s.guides, (std::vector<SnapGuide>{{true, 199}}));
    // Five pixels still snap, six do not: a box 300..340 high moved by 144 has its bottom
    // edge at 484, 5 below 479 (its centre, 464, and top, 444, are near no line).
    const Rect tall{300, 300, 329, 340};
    EXPECT_EQ(SnapMove(tall, 0, 144, kTargets).dy, 139);
    EXPECT_EQ(SnapMove(tall, 0, 145, kTargets).dy, 145);
}

TEST(Snap, TheCentreSnapsAndTheNearestLineWins) {
    // Box 0..40 x 0..10, centre 20. Moved by 297 its centre is at 317, 2 from the display's
    // 319, while its left edge 297 and right edge 337 are far from every line.
    const Rect box{0, 0, 40, 10};
    const Snapped s = SnapMove(box, 297, 200, kTargets);
    EXPECT_EQ(s.dx, 299);
    EXPECT_EQ(s.guides, (std::vector<SnapGuide>{{true, 319}}));
    // Moved by 63: left 63, 37 from 100; centre 83; right 103, 3 from 100: the right edge
    // snaps onto 100, not the farther lines.
    EXPECT_EQ(SnapMove(box, 63, 200, kTargets).dx, 60);
}

TEST(Snap, TheGridTakesTheNearEdgesToItsMultiples) {
    const Rect box{13, 21, 50, 60};
    // Moved by (10, 10): left 23 goes to 24, top 31 to 32.
    const Snapped s = SnapMoveToGrid(box, 10, 10, 8);
    EXPECT_EQ(s.dx, 11);
    EXPECT_EQ(s.dy, 11);
    EXPECT_TRUE(s.guides.empty());
    // Left of the display too: -3 goes to 0, -5 to -8.
    EXPECT_EQ(SnapMoveToGrid({0, 0, 9, 9}, -3, -5, 8).dx, 0);
    EXPECT_EQ(SnapMoveToGrid({0, 0, 9, 9}, -3, -5, 8).dy, -8);
    // A right edge at 37 ends where the cell from 40 begins: 39.
    EXPECT_EQ(SnapFarEdgeToGrid(37, 8), 39);
}

} // namespace
} // namespace pw
