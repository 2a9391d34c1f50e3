#include "support/editor_fixture.h"
#include "windows/window_list.h"

namespace pw {
namespace {

using WindowListTest = EditorTest;

TEST_F(WindowListTest, DefaultLayoutIsOneBackgroundObjectOf640By480) {
    ASSERT_EQ(editor.WindowList.size(), 1u);
    const cWindow& bg = *WindowAt(editor, 0);
    EXPECT_EQ(editor.CurWindow, &bg);
    EXPECT_EQ(bg.Type, wtBackground);
    EXPECT_EQ(bg.Tag, 0u);
    EXPECT_EQ(bg.Number, 1u);
    EXPECT_EQ(bg.DragMode, dmIdle);
    EXPECT_EQ((Rect{bg.X0, bg.Y0, bg.X1, bg.Y1}), (Rect{0, 0, 639, 479}));
    EXPECT_EQ(bg.BG0, 42);
    EXPECT_EQ(bg.BG, 42);
    EXPECT_EQ(bg.FG, 0);
    EXPECT_EQ(editor.BackgroundColour, 42);
    EXPECT_EQ(editor.canvas.Width(), 640);
    EXPECT_EQ(editor.canvas.Height(), 480);
}

TEST_F(WindowListTest, NewWindowTakesTheNextNumberAsNumberAndTag) {
    cWindow& a = NewWindow(editor);
    cWindow& b = NewWindow(editor);
    EXPECT_EQ(a.Number, 2u);
    EXPECT_EQ(a.Tag, 2u);
    EXPECT_EQ(b.Number, 3u);
    EXPECT_EQ(b.ListPos, 3u);
    EXPECT_EQ(editor.NextWindowNumber, 4u);
    // Clearing the layout never resets the numbers.
    ClearWindows(editor);
    EXPECT_EQ(editor.CurWindow, nullptr);
    EXPECT_EQ(NewWindow(editor).Number, 4u);
}

TEST_F(WindowListTest, StepWindowWrapsAtBothEnds) {
    cWindow* bg = WindowAt(editor, 0);
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    EXPECT_EQ(StepWindow(editor, bg, 1), &a);
    EXPECT_EQ(StepWindow(editor, &b, 1), bg);
    EXPECT_EQ(StepWindow(editor, bg, -1), &b);
    EXPECT_EQ(StepWindow(editor, &a, -1), bg);
    EXPECT_EQ(StepWindow(editor, nullptr, 1), bg);
    EXPECT_EQ(StepWindow(editor, &a, 7), bg);
    EXPECT_EQ(StepWindow(editor, &a, -7), &b);
}

TEST_F(WindowListTest, DeleteRenumbersAndClearsTheSelection) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    AddWindow(100, 10, 120, 50);
    editor.CurWindow = &b;
    DeleteWindow(editor, &b);
    EXPECT_EQ(editor.CurWindow, nullptr);
    ASSERT_EQ(editor.WindowList.size(), 3u);
    for (std::size_t i = 0; i < editor.WindowList.size(); ++i)
        EXPECT_EQ(editor.WindowList[i]->ListPos, i + 1);
    // The Background object is never deleted, nor is a window that is not in the list.
    DeleteWindow(editor, WindowAt(editor, 0));
    DeleteWindow(editor, nullptr);
    EXPECT_EQ(editor.WindowList.size(), 3u);
    EXPECT_EQ(WindowAt(editor, 1), &a);
    EXPECT_EQ(WindowAt(editor, 3), nullptr);
}

TEST_F(WindowListTest, DeleteGivesUpTheImagesOfAnImageWindow) {
    cWindow& w = AddWindow(10, 10, 50, 50);
    w.DrawType = dtImage;
    w.BMP[0] = "a.bmp";
    w.BMP[99] = "b.bmp";
    w.ImageHeld.set(0).set(99); // as loading them left them
    editor.ImageList.AcquireImage("a.bmp");
    editor.ImageList.AcquireImage("a.bmp"); // also held elsewhere
    editor.ImageList.AcquireImage("b.bmp");
    DeleteWindow(editor, &w);
    ASSERT_NE(editor.ImageList.FindImage("a.bmp"), nullptr);
    EXPECT_EQ(editor.ImageList.FindImage("a.bmp")->RefCount, 1u);
    EXPECT_EQ(editor.ImageList.FindImage("b.bmp"), nullptr);
}

TEST_F(WindowListTest, DeleteOfATextWindowLeavesImagesOfTheSameNameAlone) {
    cWindow& w = AddWindow(10, 10, 50, 50);
    w.BMP[3] = "a.bmp"; // a name left over from an earlier draw type
    editor.ImageList.AcquireImage("a.bmp");
    DeleteWindow(editor, &w);
    EXPECT_NE(editor.ImageList.FindImage("a.bmp"), nullptr);
}

TEST_F(WindowListTest, PutOnTopMovesToTheEndButNeverTheBackground) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    PutOnTop(editor, &a);
    EXPECT_EQ(WindowAt(editor, 1), &b);
    EXPECT_EQ(WindowAt(editor, 2), &a);
    EXPECT_EQ(a.ListPos, 3u);
    cWindow* bg = WindowAt(editor, 0);
    PutOnTop(editor, bg);
    EXPECT_EQ(WindowAt(editor, 0), bg);
}

TEST_F(WindowListTest, SharedPairShowsOneMemberAtATime) {
    cWindow& dest = AddWindow(10, 10, 50, 50, wtDestination);
    cWindow& status = AddWindow(10, 10, 50, 50, wtLiftStatus);
    dest.Format = status.Format = fmShared | fmCentre;
    status.Tag = dest.Tag;
    dest.CurIndex = 1;
    status.CurIndex = 0;
    EXPECT_TRUE(IsShownShared(editor, dest));
    EXPECT_FALSE(IsShownShared(editor, status));
    status.CurIndex = 3;
    EXPECT_FALSE(IsShownShared(editor, dest));
    EXPECT_TRUE(IsShownShared(editor, status));
    // Without the flag, or without a partner, a window always shows.
    status.Tag = 999;
    EXPECT_TRUE(IsShownShared(editor, dest));
    dest.Format = 0;
    status.Tag = dest.Tag;
    EXPECT_TRUE(IsShownShared(editor, dest));
}

TEST_F(WindowListTest, FindSharedPartnerLooksAtTagsFromTheStartIndex) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(10, 10, 50, 50);
    cWindow& c = AddWindow(10, 10, 50, 50);
    b.Tag = c.Tag = a.Tag;
    EXPECT_EQ(FindSharedPartner(editor, a, 0), &b);
    EXPECT_EQ(FindSharedPartner(editor, b, 0), &a);
    EXPECT_EQ(FindSharedPartner(editor, a, 3), &c);
    EXPECT_EQ(FindSharedPartner(editor, a, 4), nullptr);
    EXPECT_EQ(FindSharedPartner(editor, a, 1000), nullptr);
}

TEST_F(WindowListTest, SetDisplaySizeComparesOnlyTheWidth) {
    host.displaySizes.clear();
    host.repaints = 0;
    SetDisplaySize(editor, 800, 600);
    const cWindow& bg = *WindowAt(editor, 0);
    EXPECT_EQ((Rect{bg.X0, bg.Y0, bg.X1, bg.Y1}), (Rect{0, 0, 799, 599}));
    EXPECT_EQ(editor.canvas.Width(), 800);
    EXPECT_EQ(editor.canvas.Pixel(0, 0), kButtonFace); // cleared until repainted
    EXPECT_EQ(host.repaints, 1);
    SetDisplaySize(editor, 800, 480);
    EXPECT_EQ(bg.Y1, 599);
    ASSERT_EQ(host.displaySizes.size(), 1u);
    EXPECT_EQ(host.displaySizes[0], std::make_pair(800, 600));
}

TEST_F(WindowListTest, SetDisplaySizeDoesNotRepaintWhileLoadingAndRefusesAbsurdSizes) {
    host.repaints = 0;
    editor.Loading = true;
    SetDisplaySize(editor, 480, 640);
    EXPECT_EQ(host.repaints, 0);
    EXPECT_EQ(WindowAt(editor, 0)->Y1, 639);
    SetDisplaySize(editor, 100000, 100000);
    SetDisplaySize(editor, 0, 480);
    SetDisplaySize(editor, 800, -5);
    EXPECT_EQ(WindowAt(editor, 0)->X1, 479);
    EXPECT_EQ(editor.canvas.Width(), 480);
}

TEST_F(WindowListTest, ClipToDisplayHoldsAWindowInside) {
    cWindow& w = AddWindow(-5, -7, 700, 500);
    ClipToDisplay(editor, w);
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{0, 0, 639, 479}));
    cWindow& clock = AddWindow(500, 10, 830, 40);
    ClipToDisplay(editor, clock);
    EXPECT_EQ(clock.X1, 639);
}

TEST_F(WindowListTest, SelectWindowRefillsTheDialogWhileLoadingIsSet) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    bool loadingDuringRefill = false;
    host.windowInfoRefills = 0;
    host.onWindowInfo = [&] { loadingDuringRefill = editor.Loading; };
    SelectWindow(editor, &a);
    EXPECT_TRUE(loadingDuringRefill);
    EXPECT_EQ(editor.CurWindow, &a);
    EXPECT_EQ(host.windowInfoRefills, 1);
    EXPECT_FALSE(editor.Loading);
    SelectWindow(editor, &a);
    SelectWindow(editor, nullptr);
    EXPECT_EQ(host.windowInfoRefills, 1);
    EXPECT_EQ(editor.CurWindow, &a);
}

TEST_F(WindowListTest, SelectionMarkMovesInDesignView) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    SelectWindow(editor, &a);
    const ScreenColour magenta = MakeColour(255, 0, 255), black = MakeColour(0, 0, 0);
    EXPECT_EQ(At(10, 10), magenta);
    EXPECT_EQ(At(11, 11), magenta);
    SelectWindow(editor, &b);
    EXPECT_EQ(At(10, 10), black);
    EXPECT_EQ(At(11, 11), black);
    EXPECT_EQ(At(61, 11), magenta);
    editor.ViewMode = vmStatic;
    SelectWindow(editor, &a);
    EXPECT_EQ(At(11, 11), black); // no marks outside Design view
}

TEST_F(WindowListTest, SetIndexForTypeSetsEveryWindowOfTheKind) {
    cWindow& p1 = AddWindow(10, 10, 50, 50, wtPosition);
    cWindow& d = AddWindow(60, 10, 90, 50, wtDirection);
    cWindow& p2 = AddWindow(100, 10, 120, 50, wtPosition);
    SetIndexForType(editor, wtPosition, 4);
    EXPECT_EQ(p1.CurIndex, 4);
    EXPECT_EQ(p2.CurIndex, 4);
    EXPECT_EQ(d.CurIndex, 0);
}

} // namespace
} // namespace pw
