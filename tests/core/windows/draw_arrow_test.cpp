#include "support/editor_fixture.h"
#include "windows/draw_arrow.h"
#include "shell/redraw.h"

#include <utility>
#include <vector>

namespace pw {
namespace {

using Span = std::pair<int, int>;

class ArrowTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor.view.canvas.Fill(ColourOf(0));
        editor.view.LineColour = 192;
    }
    // First and last column of row y in colour c; the pixels between must all have it.
    Span Painted(int y, ScreenColour c) const {
        int first = -1, last = -1;
        for (int x = 0; x < editor.view.canvas.Width(); ++x)
            if (At(x, y) == c) {
                if (first < 0) first = x;
                last = x;
            }
        for (int x = first; x >= 0 && x <= last; ++x) EXPECT_EQ(At(x, y), c) << x << "," << y;
        return {first, last};
    }
    std::vector<Span> Rows(int y0, int y1) const {
        std::vector<Span> rows;
        for (int y = y0; y <= y1; ++y) rows.push_back(Painted(y, ColourOf(192)));
        return rows;
    }
};

TEST_F(ArrowTest, DownArrowNarrowsFromTheTopRowToTheApex) {
    DrawArrow(editor.view, 0, 0, 20, 4, 2);
    EXPECT_EQ(Rows(0, 5),
              (std::vector<Span>{{0, 20}, {2, 18}, {5, 15}, {7, 13}, {10, 10}, {-1, -1}}));
}

TEST_F(ArrowTest, UpArrowHasItsBaseOnTheBottomRow) {
    DrawArrow(editor.view, 0, 0, 20, 4, 1);
    EXPECT_EQ(Rows(0, 4), (std::vector<Span>{{10, 10}, {7, 13}, {5, 15}, {2, 18}, {0, 20}}));
}

TEST_F(ArrowTest, TheApexOfAnEvenWidthSpansTwoColumns) {
    DrawArrow(editor.view, 0, 0, 9, 20, 2);
    EXPECT_EQ(Painted(0, ColourOf(192)), (Span{0, 9}));
    EXPECT_EQ(Painted(20, ColourOf(192)), (Span{4, 5}));
    editor.view.canvas.Fill(ColourOf(0));
    DrawArrow(editor.view, 0, 0, 9, 20, 1);
    EXPECT_EQ(Painted(0, ColourOf(192)), (Span{4, 5}));
    EXPECT_EQ(Painted(20, ColourOf(192)), (Span{0, 9}));
}

TEST_F(ArrowTest, ASingleColumnOrRowDrawsNothing) {
    DrawArrow(editor.view, 5, 0, 5, 10, 2);
    DrawArrow(editor.view, 0, 5, 10, 5, 1);
    DrawArrow(editor.view, 10, 0, 5, 10, 2);
    for (int y = 0; y <= 10; ++y) EXPECT_EQ(Painted(y, ColourOf(192)), (Span{-1, -1}));
}

class ArrowWindowTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor.view.ViewMode = vmStatic;
        w = &AddWindow(100, 100, 120, 104, wtDirection);
        w->DrawType = dtArrows;
        w->FG = 12;
        w->BG0 = 195;
        w->BG = 3;
        w->Parameter = 48;
    }
    void Show(int index) {
        w->CurIndex = index;
        RedrawAll(editor.view, editor.doc);
    }
    cWindow* w = nullptr;
};

TEST_F(ArrowWindowTest, IndexZeroShowsOnlyTheBackground) {
    Show(0);
    for (int y = 100; y <= 104; ++y)
        for (int x = 100; x <= 120; ++x) ASSERT_EQ(At(x, y), ColourOf(195));
}

TEST_F(ArrowWindowTest, TheDownArrowTakesTheParameterColourAndTheUpArrowAlwaysFG) {
    Show(2);
    EXPECT_EQ(At(100, 100), ColourOf(48)); // the down arrow's base
    EXPECT_EQ(At(100, 104), ColourOf(3));  // beside its apex: the index background
    EXPECT_EQ(At(110, 104), ColourOf(48));
    Show(1);
    EXPECT_EQ(At(100, 104), ColourOf(12));
    EXPECT_EQ(At(110, 100), ColourOf(12));
    w->Parameter = 0;
    Show(2);
    EXPECT_EQ(At(100, 100), ColourOf(12));
    EXPECT_EQ(editor.view.LineColour, 12);
}

} // namespace
} // namespace pw
