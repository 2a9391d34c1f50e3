// Lining up three rectangles on the second, the reference. Every expected place is worked
// out from the three below: a 10..29 x 10..19, b 40..79 x 30..59 (the reference), c 100..114
// x 5..44.

#include "windows/align.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

const std::vector<Rect> kThree = {{10, 10, 29, 19}, {40, 30, 79, 59}, {100, 5, 114, 44}};

struct Case {
    Alignment a;
    std::vector<Rect> expected;
};

TEST(Align, EachAlignmentOnThreeRectangles) {
    const Case cases[] = {
        {Alignment::LeftEdges, {{40, 10, 59, 19}, {40, 30, 79, 59}, {40, 5, 54, 44}}},
        {Alignment::RightEdges, {{60, 10, 79, 19}, {40, 30, 79, 59}, {65, 5, 79, 44}}},
        {Alignment::TopEdges, {{10, 30, 29, 39}, {40, 30, 79, 59}, {100, 30, 114, 69}}},
        {Alignment::BottomEdges, {{10, 50, 29, 59}, {40, 30, 79, 59}, {100, 20, 114, 59}}},
        // Centre of b: x 40 + 39 / 2 = 59, y 30 + 29 / 2 = 44. a's centre x is 19, c's 107.
        {Alignment::CentresHorizontally, {{50, 10, 69, 19}, {40, 30, 79, 59}, {52, 5, 66, 44}}},
        // a's centre y is 14, c's 24.
        {Alignment::CentresVertically, {{10, 40, 29, 49}, {40, 30, 79, 59}, {100, 25, 114, 64}}},
        // Span 10..114 is 105 pixels, widths 20 + 40 + 15 = 75: two gaps of 15, b at 45..84.
        {Alignment::DistributeHorizontally,
         {{10, 10, 29, 19}, {45, 30, 84, 59}, {100, 5, 114, 44}}},
        // By top: c (5..44), a (10..19), b (30..59). Span 5..59 is 55, heights 40 + 10 + 30 =
        // 80: gaps of -12 and -13, the odd pixel to the first; a moves to 33..42.
        {Alignment::DistributeVertically,
         {{10, 33, 29, 42}, {40, 30, 79, 59}, {100, 5, 114, 44}}},
        {Alignment::SameWidth, {{10, 10, 49, 19}, {40, 30, 79, 59}, {100, 5, 139, 44}}},
        {Alignment::SameHeight, {{10, 10, 29, 39}, {40, 30, 79, 59}, {100, 5, 114, 34}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Aligned(kThree, 1, c.a), c.expected) << static_cast<int>(c.a);
}

TEST(Align, TooFewRectanglesComeBackUnchanged) {
    const std::vector<Rect> two(kThree.begin(), kThree.begin() + 2);
    EXPECT_EQ(Aligned(two, 1, Alignment::DistributeHorizontally), two);
    EXPECT_EQ(Aligned({kThree[0]}, 0, Alignment::LeftEdges), std::vector<Rect>{kThree[0]});
    EXPECT_EQ(MinimumForAlignment(Alignment::SameHeight), 2u);
    EXPECT_EQ(MinimumForAlignment(Alignment::DistributeVertically), 3u);
}

} // namespace
} // namespace pw
