#include "support/editor_fixture.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"

namespace pw {
namespace {

class SettersTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        w = &AddWindow(100, 100, 219, 129);
        w->BG0 = w->BG = 195;
        RedrawAll(editor.view, editor.doc);
        views.positionRowRefills = views.windowInfoRefills = 0;
    }
    Rect Pos() const { return {w->X0, w->Y0, w->X1, w->Y1}; }
    cWindow* w = nullptr;
};

TEST_F(SettersTest, SetX0MovesKeepingTheWidthWithinTheDisplay) {
    SetValue(editor.doc, editor.view, *w, wfX0, 150);
    EXPECT_EQ(Pos(), (Rect{150, 100, 269, 129}));
    EXPECT_EQ(views.positionRowRefills, 1);
    SetValue(editor.doc, editor.view, *w, wfX0, 521); // X1 would be 640
    SetValue(editor.doc, editor.view, *w, wfX0, -1);
    SetValue(editor.doc, editor.view, *w, wfX0, 150);
    EXPECT_EQ(Pos(), (Rect{150, 100, 269, 129}));
    EXPECT_EQ(views.positionRowRefills, 1);
    SetValue(editor.doc, editor.view, *w, wfX0, 520); // X1 = 639 is the last column
    EXPECT_EQ(w->X1, 639);
    SetValue(editor.doc, editor.view, *w, wfX0, 2147483647); // no overflow on the way
    EXPECT_EQ(w->X1, 639);
}

TEST_F(SettersTest, SetY0MovesKeepingTheHeight) {
    SetValue(editor.doc, editor.view, *w, wfY0, 450);
    EXPECT_EQ(Pos(), (Rect{100, 450, 219, 479}));
    SetValue(editor.doc, editor.view, *w, wfY0, 451);
    EXPECT_EQ(w->Y0, 450);
}

TEST_F(SettersTest, SetX1AndY1RefuseWhatWouldLeaveTheDisplayOrInvertTheWindow) {
    SetValue(editor.doc, editor.view, *w, wfX1, 99);
    SetValue(editor.doc, editor.view, *w, wfX1, 640);
    SetValue(editor.doc, editor.view, *w, wfX1, -3);
    EXPECT_EQ(w->X1, 219);
    SetValue(editor.doc, editor.view, *w, wfX1, 100); // one pixel wide
    EXPECT_EQ(w->X1, 100);
    SetValue(editor.doc, editor.view, *w, wfX1, 639);
    EXPECT_EQ(w->X1, 639);
    SetValue(editor.doc, editor.view, *w, wfY1, 99);
    SetValue(editor.doc, editor.view, *w, wfY1, 480);
    EXPECT_EQ(w->Y1, 129);
    SetValue(editor.doc, editor.view, *w, wfY1, 479);
    EXPECT_EQ(w->Y1, 479);
}

TEST_F(SettersTest, PositionSettersRefuseTheBackgroundObject) {
    cWindow& bg = *WindowAt(editor.doc.layout, 0);
    SetValue(editor.doc, editor.view, bg, wfX0, 5);
    SetValue(editor.doc, editor.view, bg, wfY0, 5);
    SetValue(editor.doc, editor.view, bg, wfX1, 300);
    SetValue(editor.doc, editor.view, bg, wfY1, 300);
    EXPECT_EQ((Rect{bg.X0, bg.Y0, bg.X1, bg.Y1}), (Rect{0, 0, 639, 479}));
}

TEST_F(SettersTest, AChangeErasesTheOldPlaceAndDrawsTheNewOne) {
    EXPECT_EQ(At(100, 110), MakeColour(0, 0, 0)); // design outline
    EXPECT_EQ(At(150, 110), ColourOf(195));
    SetValue(editor.doc, editor.view, *w, wfX0, 300);
    EXPECT_EQ(At(150, 110), ColourOf(42)); // erased to the background colour
    EXPECT_EQ(At(350, 110), ColourOf(195));
}

TEST_F(SettersTest, ARefusedValueDrawsNothing) {
    views.changed.clear();
    SetValue(editor.doc, editor.view, *w, wfX1, 5000);
    SetValue(editor.doc, editor.view, *w, wfFontSize, -1);
    SetValue(editor.doc, editor.view, *w, wfParameter, -1);
    SetValue(editor.doc, editor.view, *w, wfDrawType, 6);
    SetValue(editor.doc, editor.view, *w, wfDrawType, 256 + 6);
    EXPECT_TRUE(views.changed.empty());
}

TEST_F(SettersTest, FontSizeAndFormatRefillTheWholeDialog) {
    SetValue(editor.doc, editor.view, *w, wfFontSize, 24);
    EXPECT_EQ(w->FontSize, 24);
    SetValue(editor.doc, editor.view, *w, wfFormat, fmCentre);
    EXPECT_EQ(w->Format, fmCentre);
    SetValue(editor.doc, editor.view, *w, wfFormat, fmCentre);
    EXPECT_EQ(views.windowInfoRefills, 2);
    w->DrawType = dtImage;
    SetValue(editor.doc, editor.view, *w, wfFontSize, 30);
    EXPECT_EQ(w->FontSize, 24);
}

TEST_F(SettersTest, DrawTypeTakesItsValueAsAByte) {
    SetValue(editor.doc, editor.view, *w, wfDrawType, 256 + 3);
    EXPECT_EQ(w->DrawType, dtRectangle);
    SetValue(editor.doc, editor.view, *w, wfDrawType, 5);
    EXPECT_EQ(w->DrawType, dtFileName);
}

TEST_F(SettersTest, ParameterOfAClockWindowSetsItsSampleText) {
    w->Type = wtTimeDate;
    SetValue(editor.doc, editor.view, *w, wfParameter, 1);
    EXPECT_EQ(w->Text[0], "20:30  Wednesday 30 Sep 2002");
    SetValue(editor.doc, editor.view, *w, wfParameter, 0);
    EXPECT_EQ(w->Text[0], "10:30 am  Wednesday 30 Sep 2002");
    w->Type = wtMessage;
    w->Text.Set(0, "kept");
    SetValue(editor.doc, editor.view, *w, wfParameter, 1);
    EXPECT_EQ(w->Text[0], "kept");
}

TEST_F(SettersTest, CurIndexIsRefusedForBackgroundObjectsAndOutsideTheTexts) {
    cWindow& bg = *WindowAt(editor.doc.layout, 0);
    SetValue(editor.doc, editor.view, bg, wfCurIndex, 3);
    EXPECT_EQ(bg.CurIndex, 0);
    SetValue(editor.doc, editor.view, *w, wfCurIndex, -1);
    SetValue(editor.doc, editor.view, *w, wfCurIndex, 100);
    EXPECT_EQ(w->CurIndex, 0);
    SetValue(editor.doc, editor.view, *w, wfCurIndex, 99);
    EXPECT_EQ(w->CurIndex, 99);
}

TEST_F(SettersTest, SharedPairSwapsWithTheLaterMembersIndex) {
    cWindow& dest = *w;
    dest.Type = wtDestination;
    dest.CurIndex = 1;
    cWindow& status = AddWindow(100, 100, 219, 129, wtLiftStatus);
    status.Tag = dest.Tag;
    dest.Format = status.Format = fmShared;
    dest.BG = 192;
    status.BG = 12;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(150, 110), ColourOf(192));
    SetValue(editor.doc, editor.view, status, wfCurIndex, 3);
    EXPECT_TRUE(IsShownShared(editor.doc.layout, status));
    EXPECT_EQ(At(150, 110), ColourOf(12));
    SetValue(editor.doc, editor.view, status, wfCurIndex, 0);
    EXPECT_TRUE(IsShownShared(editor.doc.layout, dest));
    EXPECT_EQ(At(150, 110), ColourOf(192)); // drawing the hidden member draws its partner
}

TEST_F(SettersTest, IndexChangeOutsideDesignViewRepaintsAllWithFullRedraw) {
    editor.view.ViewMode = vmStatic;
    views.repaints = 0;
    SetValue(editor.doc, editor.view, *w, wfCurIndex, 2);
    EXPECT_EQ(views.repaints, 1);
    editor.view.FullRedraw = false;
    SetValue(editor.doc, editor.view, *w, wfCurIndex, 3);
    EXPECT_EQ(views.repaints, 1);
    EXPECT_EQ(w->CurIndex, 3);
}

TEST_F(SettersTest, AChangedTransparentWindowStillShowsTheWindowBeneath) {
    cWindow& over = AddWindow(150, 105, 200, 125);
    over.BG0 = over.BG = kTransparent;
    editor.view.ViewMode = vmStatic;
    editor.view.FullRedraw = false;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(160, 110), ColourOf(195)); // the window beneath shows through
    SetValue(editor.doc, editor.view, over, wfCurIndex, 1);
    EXPECT_EQ(At(160, 110), ColourOf(195));
}

TEST_F(SettersTest, ADraggedTransparentWindowIsFilledWithTheBackgroundColour) {
    cWindow& over = AddWindow(150, 105, 200, 125);
    over.BG0 = kTransparent;
    editor.view.ViewMode = vmStatic;
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(At(160, 110), ColourOf(195));
    over.DragMode = dmMoving;
    DrawWindow(editor.view, editor.doc, over, DrawMode::Draw);
    EXPECT_EQ(At(160, 110), ColourOf(42));
}

} // namespace
} // namespace pw
