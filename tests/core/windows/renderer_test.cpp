#include "support/editor_fixture.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"

#include <climits>

namespace pw {
namespace {

constexpr ScreenColour kMagenta = MakeColour(255, 0, 255);
constexpr ScreenColour kBlack = MakeColour(0, 0, 0);

class RendererTest : public EditorTest {
protected:
    cWindow& Box(int x0, int y0, int x1, int y1, int bg0, std::uint8_t type = wtMessage) {
        cWindow& w = AddWindow(x0, y0, x1, y1, type);
        w.DrawType = dtFileName;
        w.BG0 = bg0;
        w.BG = bg0;
        return w;
    }
};

TEST_F(RendererTest, BackgroundObjectsAreDrawnFirstWhereverTheyStandInTheList) {
    editor.view.ViewMode = vmStatic;
    Box(10, 10, 50, 50, 192);
    Box(0, 0, 100, 100, 12, wtBackground);
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(20, 20), ColourOf(192));
    EXPECT_EQ(At(80, 80), ColourOf(12));
    EXPECT_EQ(At(300, 300), ColourOf(42));
}

TEST_F(RendererTest, RedrawAllTakesTheDisplayColourFromTheCurrentBackgroundObject) {
    WindowAt(editor.doc.layout, 0)->BG0 = 195;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(editor.doc.layout.BackgroundColour, 195);
    WindowAt(editor.doc.layout, 0)->BG0 = 3;
    editor.doc.layout.CurWindow = &Box(10, 10, 50, 50, 192);
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(editor.doc.layout.BackgroundColour, 195);
}

TEST_F(RendererTest, DesignViewOutlinesEveryWindowAndMarksTheCurrentOne) {
    cWindow& a = Box(10, 10, 50, 50, 192);
    cWindow& b = Box(100, 10, 150, 50, 192);
    editor.doc.layout.CurWindow = &b;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(10, 30), kBlack);
    EXPECT_EQ(At(11, 30), ColourOf(192));
    EXPECT_EQ(At(100, 30), kMagenta);
    EXPECT_EQ(At(101, 30), kMagenta); // the selection mark's inner ring
    EXPECT_EQ(At(102, 30), ColourOf(192));
    DrawSelectionMark(editor.view, &b, false);
    EXPECT_EQ(At(100, 30), kBlack);
    EXPECT_EQ(At(101, 30), kBlack);
    DrawWindow(editor.view, editor.doc, b, DrawMode::Draw);
    EXPECT_EQ(At(100, 30), kMagenta);
    EXPECT_EQ(At(101, 30), ColourOf(192));

    editor.view.ViewMode = vmStatic;
    RedrawAll(editor.view, editor.doc);
    DrawSelectionMark(editor.view, &a, true);
    EXPECT_EQ(At(10, 30), ColourOf(192));
    EXPECT_EQ(At(100, 30), ColourOf(192));
    EXPECT_EQ(At(101, 30), ColourOf(192));
}

TEST_F(RendererTest, ATransparentWindowShowsWhatLiesBeneathUntilItIsDragged) {
    editor.view.ViewMode = vmStatic;
    editor.doc.layout.BackgroundColour = 3;
    editor.doc.layout.CurWindow = nullptr; // keeps RedrawAll from resetting BackgroundColour
    Box(10, 10, 50, 50, 192);
    cWindow& top = Box(10, 10, 50, 50, kTransparent);
    top.DrawType = dtText;
    top.Text.Set(0, "ab");
    top.FontSize = 20;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(40, 15), ColourOf(192));
    EXPECT_EQ(text.drawn.back().background, std::nullopt);
    top.DragMode = dmMoving;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(40, 15), ColourOf(3));
}

TEST_F(RendererTest, RectanglesAreNotFilledWithTheirBackground) {
    editor.view.ViewMode = vmStatic;
    cWindow& r = Box(10, 10, 50, 50, 192);
    r.DrawType = dtRectangle;
    r.FG = kTransparent;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(30, 30), ColourOf(42));
}

TEST_F(RendererTest, ADestinationAndStatusPairSwapsWithTheStatusIndex) {
    cWindow& dest = Box(10, 10, 100, 40, 192, wtDestination);
    cWindow& status = Box(10, 10, 100, 40, 12, wtLiftStatus);
    status.Tag = dest.Tag;
    dest.Format = status.Format = fmShared;
    status.BG0 = 48;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(50, 25), ColourOf(192));
    SetValue(editor.doc, editor.view, status, wfCurIndex, 3);
    EXPECT_EQ(At(50, 25), ColourOf(12));
    // Asking for the hidden member draws the one that shows.
    editor.view.canvas.FillRect({40, 20, 60, 30}, kBlack);
    DrawWindow(editor.view, editor.doc, dest, DrawMode::Draw);
    EXPECT_EQ(At(50, 25), ColourOf(12));
    SetValue(editor.doc, editor.view, status, wfCurIndex, 0);
    EXPECT_EQ(At(50, 25), ColourOf(192));
}

TEST_F(RendererTest, AGroupWithNoMemberShowingDrawsNothingAndEnds) {
    // Tag 0 is the Background object's: both later windows count it as their partner and are
    // hidden at index 0, and each names the other as its partner for the drawing.
    editor.view.ViewMode = vmStatic;
    cWindow& a = Box(10, 10, 50, 50, 192);
    cWindow& b = Box(60, 10, 90, 50, 192);
    a.Tag = b.Tag = 0;
    a.Format = b.Format = fmShared;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(30, 30), ColourOf(42));
    EXPECT_EQ(At(70, 30), ColourOf(42));
    DrawWindow(editor.view, editor.doc, a, DrawMode::Erase);
    b.CurIndex = 1;
    DrawWindow(editor.view, editor.doc, a, DrawMode::Draw);
    EXPECT_EQ(At(70, 30), ColourOf(192)); // b now shows and is drawn for a
}

TEST_F(RendererTest, AGroupOfThreeDrawsEachShowingMemberOnce) {
    editor.view.ViewMode = vmStatic;
    cWindow& a = Box(10, 10, 50, 50, 192);
    cWindow& b = Box(60, 10, 90, 50, 12);
    cWindow& c = Box(100, 10, 130, 50, 48);
    b.Tag = c.Tag = a.Tag;
    a.Format = b.Format = c.Format = fmShared;
    b.CurIndex = c.CurIndex = 1; // a hides; b and c each count a as their partner and show
    RedrawAll(editor.view, editor.doc);
    editor.view.canvas.Fill(kBlack);
    editor.view.canvas.TakeDirty();
    views.changed.clear();
    DrawWindow(editor.view, editor.doc, a, DrawMode::Draw);
    EXPECT_EQ(At(30, 30), kBlack);
    EXPECT_EQ(At(70, 30), ColourOf(12));
    EXPECT_EQ(At(110, 30), ColourOf(48));
    ASSERT_EQ(views.changed.size(), 1u);
    EXPECT_EQ(views.changed[0], (Rect{60, 10, 130, 50}));
}

TEST_F(RendererTest, AFileNameWindowShowsItsBackgroundAndOutline) {
    cWindow& f = Box(10, 10, 50, 50, 192);
    f.Text.Set(0, "ignored");
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(10, 10), kBlack);
    EXPECT_EQ(At(30, 30), ColourOf(192));
    EXPECT_TRUE(text.drawn.empty());
}

TEST_F(RendererTest, DrawingReportsOnlyTheWindowsArea) {
    cWindow& f = Box(10, 20, 50, 60, 192);
    RedrawAll(editor.view, editor.doc);
    views.changed.clear();
    SetValue(editor.doc, editor.view, f, wfX1, 70);
    ASSERT_EQ(views.changed.size(), 1u);
    EXPECT_EQ(views.changed[0], (Rect{10, 20, 70, 60}));
}

TEST_F(RendererTest, WindowsOfAnySizeAndPlaceAreDrawnInsideTheCanvas) {
    // What a hand-edited file can hold. Under the sanitizers this also proves that nothing
    // is written outside the buffer and no sum overflows.
    const Rect places[] = {{-20, -20, 30, 30},
                           {600, 450, 700, 500},
                           {-5000, -5000, 5000, 5000},
                           {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                           {INT_MAX - 1, 10, INT_MAX, 20},
                           {100, 100, 50, 50}};
    for (std::uint8_t view : {vmDesign, vmStatic}) {
        editor.view.ViewMode = view;
        for (const Rect& p : places) {
            for (int type = 0; type < kDrawTypeCount + 1; ++type) {
                cWindow& w = AddWindow(p.left, p.top, p.right, p.bottom);
                w.DrawType = static_cast<std::uint8_t>(type);
                w.CurIndex = 2;
                w.FontSize = INT_MAX;
                w.Parameter = type == dtMat ? 16 : 3;
                w.Format = fmCentre | fmVCentre;
                w.Text.Set(2, "text\r\nmore");
                w.BMP[2] = "none.bmp";
                editor.doc.layout.CurWindow = &w;
                RedrawAll(editor.view, editor.doc);
                DrawWindow(editor.view, editor.doc, w, DrawMode::Erase);
                DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &w);
            }
        }
    }
    EXPECT_EQ(editor.view.canvas.Width(), 640);
}

} // namespace
} // namespace pw
