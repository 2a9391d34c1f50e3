#include "support/editor_fixture.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"

namespace pw {
namespace {

using WindowListTest = EditorTest;

TEST_F(WindowListTest, DefaultLayoutIsOneBackgroundObjectOf640By480) {
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    const cWindow& bg = *WindowAt(editor.doc.layout, 0);
    EXPECT_EQ(editor.doc.layout.CurWindow, &bg);
    EXPECT_EQ(bg.Type, wtBackground);
    EXPECT_EQ(bg.Tag, 0u);
    EXPECT_EQ(bg.Number, 1u);
    EXPECT_EQ(bg.DragMode, dmIdle);
    EXPECT_EQ((Rect{bg.X0, bg.Y0, bg.X1, bg.Y1}), (Rect{0, 0, 639, 479}));
    EXPECT_EQ(bg.BG0, 42);
    EXPECT_EQ(bg.BG, 42);
    EXPECT_EQ(bg.FG, 0);
    EXPECT_EQ(editor.doc.layout.BackgroundColour, 42);
    EXPECT_EQ(editor.view.canvas.Width(), 640);
    EXPECT_EQ(editor.view.canvas.Height(), 480);
}

TEST_F(WindowListTest, NewWindowTakesTheNextNumberAsNumberAndTag) {
    cWindow& a = NewWindow(editor.doc.layout);
    cWindow& b = NewWindow(editor.doc.layout);
    EXPECT_EQ(a.Number, 2u);
    EXPECT_EQ(a.Tag, 2u);
    EXPECT_EQ(b.Number, 3u);
    EXPECT_EQ(b.ListPos, 3u);
    EXPECT_EQ(editor.doc.layout.NextWindowNumber, 4u);
    // Clearing the layout never resets the numbers.
    ClearWindows(editor.doc.layout);
    EXPECT_EQ(editor.doc.layout.CurWindow, nullptr);
    EXPECT_EQ(NewWindow(editor.doc.layout).Number, 4u);
}

TEST_F(WindowListTest, StepWindowWrapsAtBothEnds) {
    cWindow* bg = WindowAt(editor.doc.layout, 0);
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    EXPECT_EQ(StepWindow(editor.doc.layout, bg, 1), &a);
    EXPECT_EQ(StepWindow(editor.doc.layout, &b, 1), bg);
    EXPECT_EQ(StepWindow(editor.doc.layout, bg, -1), &b);
    EXPECT_EQ(StepWindow(editor.doc.layout, &a, -1), bg);
    EXPECT_EQ(StepWindow(editor.doc.layout, nullptr, 1), bg);
    EXPECT_EQ(StepWindow(editor.doc.layout, &a, 7), bg);
    EXPECT_EQ(StepWindow(editor.doc.layout, &a, -7), &b);
}

TEST_F(WindowListTest, DeleteRenumbersAndClearsTheSelection) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    AddWindow(100, 10, 120, 50);
    editor.doc.layout.CurWindow = &b;
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &b);
    EXPECT_EQ(editor.doc.layout.CurWindow, nullptr);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 3u);
    for (std::size_t i = 0; i < editor.doc.layout.WindowList.size(); ++i)
        EXPECT_EQ(editor.doc.layout.WindowList[i]->ListPos, i + 1);
    // The Background object is never deleted, nor is a window that is not in the list.
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, WindowAt(editor.doc.layout, 0));
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, nullptr);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 3u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1), &a);
    EXPECT_EQ(WindowAt(editor.doc.layout, 3), nullptr);
}

TEST_F(WindowListTest, DeleteGivesUpTheImagesOfAnImageWindow) {
    cWindow& w = AddWindow(10, 10, 50, 50);
    w.DrawType = dtImage;
    w.BMP[0] = "a.bmp";
    w.BMP[99] = "b.bmp";
    w.ImageHeld.set(0).set(99); // as loading them left them
    editor.doc.images.ImageList.AcquireImage("a.bmp");
    editor.doc.images.ImageList.AcquireImage("a.bmp"); // also held elsewhere
    editor.doc.images.ImageList.AcquireImage("b.bmp");
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &w);
    ASSERT_NE(editor.doc.images.ImageList.FindImage("a.bmp"), nullptr);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("a.bmp")->RefCount, 1u);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("b.bmp"), nullptr);
}

TEST_F(WindowListTest, DeleteOfATextWindowLeavesImagesOfTheSameNameAlone) {
    cWindow& w = AddWindow(10, 10, 50, 50);
    w.BMP[3] = "a.bmp"; // a name left over from an earlier draw type
    editor.doc.images.ImageList.AcquireImage("a.bmp");
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &w);
    EXPECT_NE(editor.doc.images.ImageList.FindImage("a.bmp"), nullptr);
}

TEST_F(WindowListTest, PutOnTopMovesToTheEndButNeverTheBackground) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    PutOnTop(editor.doc.layout, &a);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1), &b);
    EXPECT_EQ(WindowAt(editor.doc.layout, 2), &a);
    EXPECT_EQ(a.ListPos, 3u);
    cWindow* bg = WindowAt(editor.doc.layout, 0);
    PutOnTop(editor.doc.layout, bg);
    EXPECT_EQ(WindowAt(editor.doc.layout, 0), bg);
}

TEST_F(WindowListTest, SharedPairShowsOneMemberAtATime) {
    cWindow& dest = AddWindow(10, 10, 50, 50, wtDestination);
    cWindow& status = AddWindow(10, 10, 50, 50, wtLiftStatus);
    dest.Format = status.Format = fmShared | fmCentre;
    status.Tag = dest.Tag;
    dest.CurIndex = 1;
    status.CurIndex = 0;
    EXPECT_TRUE(IsShownShared(editor.doc.layout, dest));
    EXPECT_FALSE(IsShownShared(editor.doc.layout, status));
    status.CurIndex = 3;
    EXPECT_FALSE(IsShownShared(editor.doc.layout, dest));
    EXPECT_TRUE(IsShownShared(editor.doc.layout, status));
    // Without the flag, or without a partner, a window always shows.
    status.Tag = 999;
    EXPECT_TRUE(IsShownShared(editor.doc.layout, dest));
    dest.Format = 0;
    status.Tag = dest.Tag;
    EXPECT_TRUE(IsShownShared(editor.doc.layout, dest));
}

TEST_F(WindowListTest, FindSharedPartnerLooksAtTagsFromTheStartIndex) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(10, 10, 50, 50);
    cWindow& c = AddWindow(10, 10, 50, 50);
    b.Tag = c.Tag = a.Tag;
    EXPECT_EQ(FindSharedPartner(editor.doc.layout, a, 0), &b);
    EXPECT_EQ(FindSharedPartner(editor.doc.layout, b, 0), &a);
    EXPECT_EQ(FindSharedPartner(editor.doc.layout, a, 3), &c);
    EXPECT_EQ(FindSharedPartner(editor.doc.layout, a, 4), nullptr);
    EXPECT_EQ(FindSharedPartner(editor.doc.layout, a, 1000), nullptr);
}

TEST_F(WindowListTest, SetDisplaySizeComparesOnlyTheWidth) {
    views.displaySizes.clear();
    views.repaints = 0;
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    const cWindow& bg = *WindowAt(editor.doc.layout, 0);
    EXPECT_EQ((Rect{bg.X0, bg.Y0, bg.X1, bg.Y1}), (Rect{0, 0, 799, 599}));
    EXPECT_EQ(editor.view.canvas.Width(), 800);
    EXPECT_EQ(editor.view.canvas.Pixel(0, 0), kButtonFace); // cleared until repainted
    EXPECT_EQ(views.repaints, 1);
    SetDisplaySize(editor.doc, editor.view, 800, 480);
    EXPECT_EQ(bg.Y1, 599);
    ASSERT_EQ(views.displaySizes.size(), 1u);
    EXPECT_EQ(views.displaySizes[0], std::make_pair(800, 600));
}

TEST_F(WindowListTest, SetDisplaySizeDoesNotRepaintWhileLoadingAndRefusesAbsurdSizes) {
    views.repaints = 0;
    editor.view.Loading = true;
    SetDisplaySize(editor.doc, editor.view, 480, 640);
    EXPECT_EQ(views.repaints, 0);
    EXPECT_EQ(WindowAt(editor.doc.layout, 0)->Y1, 639);
    SetDisplaySize(editor.doc, editor.view, 100000, 100000);
    SetDisplaySize(editor.doc, editor.view, 0, 480);
    SetDisplaySize(editor.doc, editor.view, 800, -5);
    EXPECT_EQ(WindowAt(editor.doc.layout, 0)->X1, 479);
    EXPECT_EQ(editor.view.canvas.Width(), 480);
}

TEST_F(WindowListTest, ClipToDisplayHoldsAWindowInside) {
    cWindow& w = AddWindow(-5, -7, 700, 500);
    ClipToDisplay(editor.doc.layout, w);
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{0, 0, 639, 479}));
    cWindow& clock = AddWindow(500, 10, 830, 40);
    ClipToDisplay(editor.doc.layout, clock);
    EXPECT_EQ(clock.X1, 639);
}

TEST_F(WindowListTest, SelectWindowRefillsTheDialogWhileLoadingIsSet) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    bool loadingDuringRefill = false;
    views.windowInfoRefills = 0;
    views.onWindowInfo = [&] { loadingDuringRefill = editor.view.Loading; };
    SelectWindow(editor.doc, editor.view, &a);
    EXPECT_TRUE(loadingDuringRefill);
    EXPECT_EQ(editor.doc.layout.CurWindow, &a);
    EXPECT_EQ(views.windowInfoRefills, 1);
    EXPECT_FALSE(editor.view.Loading);
    SelectWindow(editor.doc, editor.view, &a);
    SelectWindow(editor.doc, editor.view, nullptr);
    EXPECT_EQ(views.windowInfoRefills, 1);
    EXPECT_EQ(editor.doc.layout.CurWindow, &a);
}

TEST_F(WindowListTest, SelectionMarkMovesInDesignView) {
    cWindow& a = AddWindow(10, 10, 50, 50);
    cWindow& b = AddWindow(60, 10, 90, 50);
    SelectWindow(editor.doc, editor.view, &a);
    const ScreenColour magenta = MakeColour(255, 0, 255), black = MakeColour(0, 0, 0);
    EXPECT_EQ(At(10, 10), magenta);
    EXPECT_EQ(At(11, 11), magenta);
    SelectWindow(editor.doc, editor.view, &b);
    EXPECT_EQ(At(10, 10), black);
    EXPECT_EQ(At(11, 11), black);
    EXPECT_EQ(At(61, 11), magenta);
    editor.view.ViewMode = vmStatic;
    SelectWindow(editor.doc, editor.view, &a);
    EXPECT_EQ(At(11, 11), black); // no marks outside Design view
}

TEST_F(WindowListTest, SetIndexForTypeSetsEveryWindowOfTheKind) {
    cWindow& p1 = AddWindow(10, 10, 50, 50, wtPosition);
    cWindow& d = AddWindow(60, 10, 90, 50, wtDirection);
    cWindow& p2 = AddWindow(100, 10, 120, 50, wtPosition);
    SetIndexForType(editor.doc, editor.view, wtPosition, 4);
    EXPECT_EQ(p1.CurIndex, 4);
    EXPECT_EQ(p2.CurIndex, 4);
    EXPECT_EQ(d.CurIndex, 0);
}

} // namespace
} // namespace pw
