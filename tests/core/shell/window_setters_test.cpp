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
        RedrawAll(editor);
        views.positionRowRefills = views.windowInfoRefills = 0;
    }
    Rect Pos() const { return {w->X0, w->Y0, w->X1, w->Y1}; }
    cWindow* w = nullptr;
};

TEST_F(SettersTest, SetX0MovesKeepingTheWidthWithinTheDisplay) {
    SetX0(editor, *w, 150);
    EXPECT_EQ(Pos(), (Rect{150, 100, 269, 129}));
    EXPECT_EQ(views.positionRowRefills, 1);
    SetX0(editor, *w, 521); // X1 would be 640
    SetX0(editor, *w, -1);
    SetX0(editor, *w, 150);
    EXPECT_EQ(Pos(), (Rect{150, 100, 269, 129}));
    EXPECT_EQ(views.positionRowRefills, 1);
    SetX0(editor, *w, 520); // X1 = 639 is the last column
    EXPECT_EQ(w->X1, 639);
    SetX0(editor, *w, 2147483647); // no overflow on the way
    EXPECT_EQ(w->X1, 639);
}

TEST_F(SettersTest, SetY0MovesKeepingTheHeight) {
    SetY0(editor, *w, 450);
    EXPECT_EQ(Pos(), (Rect{100, 450, 219, 479}));
    SetY0(editor, *w, 451);
    EXPECT_EQ(w->Y0, 450);
}

TEST_F(SettersTest, SetX1AndY1RefuseWhatWouldLeaveTheDisplayOrInvertTheWindow) {
    SetX1(editor, *w, 99);
    SetX1(editor, *w, 640);
    SetX1(editor, *w, -3);
    EXPECT_EQ(w->X1, 219);
    SetX1(editor, *w, 100); // one pixel wide
    EXPECT_EQ(w->X1, 100);
    SetX1(editor, *w, 639);
    EXPECT_EQ(w->X1, 639);
    SetY1(editor, *w, 99);
    SetY1(editor, *w, 480);
    EXPECT_EQ(w->Y1, 129);
    SetY1(editor, *w, 479);
    EXPECT_EQ(w->Y1, 479);
}

TEST_F(SettersTest, PositionSettersRefuseTheBackgroundObject) {
    cWindow& bg = *WindowAt(editor.doc.layout, 0);
    SetX0(editor, bg, 5);
    SetY0(editor, bg, 5);
    SetX1(editor, bg, 300);
    SetY1(editor, bg, 300);
    EXPECT_EQ((Rect{bg.X0, bg.Y0, bg.X1, bg.Y1}), (Rect{0, 0, 639, 479}));
}

TEST_F(SettersTest, AChangeErasesTheOldPlaceAndDrawsTheNewOne) {
    EXPECT_EQ(At(100, 110), MakeColour(0, 0, 0)); // design outline
    EXPECT_EQ(At(150, 110), ColourOf(195));
    SetX0(editor, *w, 300);
    EXPECT_EQ(At(150, 110), ColourOf(42)); // erased to the background colour
    EXPECT_EQ(At(350, 110), ColourOf(195));
}

TEST_F(SettersTest, ARefusedValueDrawsNothing) {
    views.changed.clear();
    SetX1(editor, *w, 5000);
    SetFontSize(editor, *w, -1);
    SetParameter(editor, *w, -1);
    SetDrawType(editor, *w, 6);
    SetDrawType(editor, *w, 256 + 6);
    EXPECT_TRUE(views.changed.empty());
}

TEST_F(SettersTest, FontSizeAndFormatRefillTheWholeDialog) {
    SetFontSize(editor, *w, 24);
    EXPECT_EQ(w->FontSize, 24);
    SetFormat(editor, *w, fmCentre);
    EXPECT_EQ(w->Format, fmCentre);
    SetFormat(editor, *w, fmCentre);
    EXPECT_EQ(views.windowInfoRefills, 2);
    w->DrawType = dtImage;
    SetFontSize(editor, *w, 30);
    EXPECT_EQ(w->FontSize, 24);
}

TEST_F(SettersTest, DrawTypeTakesItsValueAsAByte) {
    SetDrawType(editor, *w, 256 + 3);
    EXPECT_EQ(w->DrawType, dtRectangle);
    SetDrawType(editor, *w, 5);
    EXPECT_EQ(w->DrawType, dtFileName);
}

TEST_F(SettersTest, ParameterOfAClockWindowSetsItsSampleText) {
    w->Type = wtTimeDate;
    SetParameter(editor, *w, 1);
    EXPECT_EQ(w->Text[0], "20:30  Wednesday 30 Sep 2002");
    SetParameter(editor, *w, 0);
    EXPECT_EQ(w->Text[0], "10:30 am  Wednesday 30 Sep 2002");
    w->Type = wtMessage;
    w->Text[0] = "kept";
    SetParameter(editor, *w, 1);
    EXPECT_EQ(w->Text[0], "kept");
}

TEST_F(SettersTest, CurIndexIsRefusedForBackgroundObjectsAndOutsideTheTexts) {
    cWindow& bg = *WindowAt(editor.doc.layout, 0);
    SetCurIndex(editor, bg, 3);
    EXPECT_EQ(bg.CurIndex, 0);
    SetCurIndex(editor, *w, -1);
    SetCurIndex(editor, *w, 100);
    EXPECT_EQ(w->CurIndex, 0);
    SetCurIndex(editor, *w, 99);
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
    RedrawAll(editor);
    EXPECT_EQ(At(150, 110), ColourOf(192));
    SetCurIndex(editor, status, 3);
    EXPECT_TRUE(IsShownShared(editor.doc.layout, status));
    EXPECT_EQ(At(150, 110), ColourOf(12));
    SetCurIndex(editor, status, 0);
    EXPECT_TRUE(IsShownShared(editor.doc.layout, dest));
    EXPECT_EQ(At(150, 110), ColourOf(192)); // drawing the hidden member draws its partner
}

TEST_F(SettersTest, IndexChangeOutsideDesignViewRepaintsAllWithFullRedraw) {
    editor.view.ViewMode = vmStatic;
    views.repaints = 0;
    SetCurIndex(editor, *w, 2);
    EXPECT_EQ(views.repaints, 1);
    editor.view.FullRedraw = false;
    SetCurIndex(editor, *w, 3);
    EXPECT_EQ(views.repaints, 1);
    EXPECT_EQ(w->CurIndex, 3);
}

TEST_F(SettersTest, AChangedTransparentWindowStillShowsTheWindowBeneath) {
    cWindow& over = AddWindow(150, 105, 200, 125);
    over.BG0 = over.BG = kTransparent;
    editor.view.ViewMode = vmStatic;
    editor.view.FullRedraw = false;
    RedrawAll(editor);
    EXPECT_EQ(At(160, 110), ColourOf(195)); // the window beneath shows through
    SetCurIndex(editor, over, 1);
    EXPECT_EQ(At(160, 110), ColourOf(195));
}

TEST_F(SettersTest, ADraggedTransparentWindowIsFilledWithTheBackgroundColour) {
    cWindow& over = AddWindow(150, 105, 200, 125);
    over.BG0 = kTransparent;
    editor.view.ViewMode = vmStatic;
    RedrawAll(editor);
    EXPECT_EQ(At(160, 110), ColourOf(195));
    over.DragMode = dmMoving;
    DrawWindow(editor, over, DrawMode::Draw);
    EXPECT_EQ(At(160, 110), ColourOf(42));
}

} // namespace
} // namespace pw
