#include "support/editor_fixture.h"
#include "shell/redraw.h"

namespace pw {
namespace {

// A rectangle of 20 x 15 pixels in Static view, so no outline covers the outer ring.
class BevelTest : public EditorTest {
protected:
    static constexpr int L = 10, T = 20, R = 29, B = 34;
    static constexpr int kBG0 = 192, kBG = 12, kFG = 48;

    void SetUp() override {
        EditorTest::SetUp();
        editor.view.ViewMode = vmStatic;
        w = &AddWindow(L, T, R, B);
        w->DrawType = dtRectangle;
        w->BG0 = kBG0;
        w->BG = kBG;
        w->FG = kFG;
    }
    void Draw(int style, int size) {
        w->Parameter = style;
        w->FontSize = size;
        RedrawAll(editor.view, editor.doc);
    }
    // Ring i: top and left sides in `first`, right and bottom sides in `second`, checked at
    // the middle of each side and at the four corners, whose owners follow from each side
    // being drawn from its start point up to but not including its end point.
    void ExpectRing(int i, int first, int second) {
        SCOPED_TRACE("ring " + std::to_string(i));
        EXPECT_EQ(At(20, T + i), ColourOf(first));
        EXPECT_EQ(At(L + i, 27), ColourOf(first));
        EXPECT_EQ(At(20, B - i), ColourOf(second));
        EXPECT_EQ(At(R - i, 27), ColourOf(second));
        EXPECT_EQ(At(L + i, T + i), ColourOf(first));
        EXPECT_EQ(At(L + i, B - i), ColourOf(first));
        EXPECT_EQ(At(R - i, T + i), ColourOf(second));
        EXPECT_EQ(At(R - i, B - i), ColourOf(second));
    }
    cWindow* w = nullptr;
};

struct Style {
    int style;
    int outerFirst, outerSecond; // rings i < FontSize / 2
    int innerFirst, innerSecond; // the rest
};

class BevelStyleTest : public BevelTest, public ::testing::WithParamInterface<Style> {};

TEST_P(BevelStyleTest, RingsTakeTheirStylesColoursAroundTheInterior) {
    const Style s = GetParam();
    Draw(s.style, 4);
    ExpectRing(0, s.outerFirst, s.outerSecond);
    ExpectRing(1, s.outerFirst, s.outerSecond);
    ExpectRing(2, s.innerFirst, s.innerSecond);
    ExpectRing(3, s.innerFirst, s.innerSecond);
    EXPECT_EQ(At(L + 4, T + 4), ColourOf(kFG));
    EXPECT_EQ(At(R - 4, B - 4), ColourOf(kFG));

    Draw(s.style, 1); // half of 1 is 0: the one ring is an inner one
    ExpectRing(0, s.innerFirst, s.innerSecond);
    EXPECT_EQ(At(L + 1, T + 1), ColourOf(kFG));
    EXPECT_EQ(At(R - 1, B - 1), ColourOf(kFG));

    Draw(s.style, 0);
    EXPECT_EQ(At(L, T), ColourOf(kFG));
    EXPECT_EQ(At(R, B), ColourOf(kFG));
    EXPECT_EQ(At(L - 1, T), ColourOf(42));
}

INSTANTIATE_TEST_SUITE_P(AllStyles, BevelStyleTest,
                         ::testing::Values(Style{0, 192, 192, 192, 192}, Style{1, 192, 12, 192, 12},
                                           Style{2, 12, 192, 12, 192}, Style{3, 192, 12, 12, 192},
                                           Style{4, 12, 192, 192, 12}));

TEST_F(BevelTest, ATransparentForegroundLeavesTheInteriorAsItWas) {
    w->FG = kTransparent;
    Draw(1, 2);
    EXPECT_EQ(At(L + 2, T + 2), ColourOf(42)); // the Background object below
    EXPECT_EQ(At(20, 27), ColourOf(42));
    ExpectRing(1, kBG0, kBG);
}

TEST_F(BevelTest, AnUnknownStyleKeepsTheColourInUse) {
    w->CurIndex = 1; // index background BG
    Draw(7, 2);      // neither half has a rule: everything in the index background
    ExpectRing(0, kBG, kBG);
    ExpectRing(1, kBG, kBG);
    // 130: no rule for the first colour, 2 (BG0) for the second in its low seven bits
    Draw(130, 2);
    ExpectRing(0, kBG, kBG0);
    ExpectRing(1, kBG0, kBG0);
}

TEST_F(BevelTest, ABevelWiderThanTheWindowStaysInsideIt) {
    w->X1 = L + 3; // 4 columns
    Draw(1, 10);
    for (int y = T; y <= B; ++y) {
        EXPECT_EQ(At(L - 1, y), ColourOf(42));
        EXPECT_EQ(At(L + 4, y), ColourOf(42));
    }
    EXPECT_EQ(At(L, T), ColourOf(kBG0));
    w->FontSize = -5; // from a hand-edited file: no rings, and the interior no wider
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(L - 1, 27), ColourOf(42));
    EXPECT_EQ(At(L, T), ColourOf(kFG));
}

} // namespace
} // namespace pw
