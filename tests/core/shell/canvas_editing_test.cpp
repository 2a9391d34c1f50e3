#include "shell/canvas_editing.h"
#include "shell/place_mode.h"
#include "support/editor_fixture.h"
#include "shell/redraw.h"

namespace pw {
namespace {

class CanvasEditingTest : public EditorTest {
protected:
    void Press(int x, int y, MouseButton button = mbLeft) {
        FormMouseDown(editor, button, 0, x, y);
    }
    void Drag(int x, int y, ShiftState held = ssLeft) { FormMouseMove(editor, held, x, y); }
    void Release() { FormMouseUp(editor, mbLeft, 0, 0, 0); }
    static Rect Pos(const cWindow& w) { return {w.X0, w.Y0, w.X1, w.Y1}; }
    cWindow& Bg() { return *WindowAt(editor.doc.layout, 0); }
};

TEST_F(CanvasEditingTest, HitsLieStrictlyInsideAndPreferTheCurrentThenTheSmallestThenTheTopmost) {
    cWindow& small = AddWindow(120, 110, 160, 140);
    cWindow& a = AddWindow(100, 100, 300, 200);
    cWindow& b = AddWindow(200, 150, 400, 250); // a's size, later in the list
    struct Case {
        cWindow* current;
        int x, y;
        cWindow* hit;
    };
    for (const Case& c : {
             Case{&Bg(), 100, 120, &Bg()},  // a's outline: only the Background object is hit
             Case{&Bg(), 250, 175, &b},     // equal areas: the later window
             Case{&Bg(), 130, 120, &small}, // the smaller window, although earlier
             Case{&Bg(), 120, 120, &a},     // small's outline
             Case{&Bg(), 0, 10, nullptr},   // the Background object's outline
             Case{&Bg(), 700, 10, nullptr}, // beside the display
             Case{&a, 250, 175, &a},        // the current window keeps the mouse
             Case{&small, 250, 175, &b},
         }) {
        editor.doc.layout.CurWindow = c.current;
        EXPECT_EQ(HitWindow(editor.doc.layout, c.x, c.y), c.hit) << c.x << "," << c.y;
    }
}

TEST_F(CanvasEditingTest, APressGrabsTheCurrentWindowsEdgeBandsTheRightOneWinningAtTheCorner) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    struct Case {
        int x, y;
        cWindow* current;
        std::uint8_t drag;
    };
    for (const Case& c : {
             Case{217, 115, &w, dmRightEdge},
             Case{221, 115, &w, dmRightEdge},
             Case{222, 115, &Bg(), dmIdle},
             Case{219, 99, &Bg(), dmIdle},
             Case{150, 127, &w, dmBottomEdge},
             Case{150, 131, &w, dmBottomEdge},
             Case{150, 132, &Bg(), dmIdle},
             Case{218, 128, &w, dmRightEdge},
             Case{160, 115, &w, dmMoving},
         }) {
        editor.doc.layout.CurWindow = &w;
        Press(c.x, c.y);
        EXPECT_EQ(editor.doc.layout.CurWindow, c.current) << c.x << "," << c.y;
        EXPECT_EQ(w.DragMode, c.drag) << c.x << "," << c.y;
        Release();
    }
}

TEST_F(CanvasEditingTest, OnlyALeftDragMovesAndARefusedStepIsLost) {
    cWindow& w = AddWindow(20, 100, 139, 129);
    views.windowInfoRefills = 0;
    Press(60, 110, mbRight); // any button selects and grabs
    Drag(50, 120, ssRight);  // but only the left one drags
    EXPECT_EQ(Pos(w), (Rect{20, 100, 139, 129}));
    Drag(40, 120);
    EXPECT_EQ(Pos(w), (Rect{10, 100, 129, 129}));
    Drag(15, 130); // X0 would be -15: neither axis moves
    Drag(25, 130); // the pointer ran ahead by 25
    EXPECT_EQ(Pos(w), (Rect{20, 100, 139, 129}));
    Drag(35, 490); // below the display: the setter refuses Y alone
    EXPECT_EQ(Pos(w), (Rect{30, 100, 149, 129}));
    Release();
    EXPECT_EQ(w.DragMode, dmIdle);
    EXPECT_EQ(views.windowInfoRefills, 2); // the selection, then the release
}

TEST_F(CanvasEditingTest, EdgeDragsKeepOnePixelAndTheDisplay) {
    cWindow& w = AddWindow(100, 100, 219, 129);
    editor.doc.layout.CurWindow = &w;
    Press(219, 110);
    Drag(240, 110);
    Drag(99, 110); // X1 would be 99 < X0
    EXPECT_EQ(w.X1, 240);
    Drag(498, 110);
    Drag(499, 110); // X1 would be 640
    Release();
    Press(150, 131);
    Drag(150, 141);
    EXPECT_EQ(Pos(w), (Rect{100, 100, 639, 139}));
}

TEST_F(CanvasEditingTest, TheBackgroundIsSelectedButNeverMovedAndNoWindowClearsTheSelection) {
    RedrawAll(editor.view, editor.doc);
    Press(50, 50);
    EXPECT_EQ(editor.doc.layout.CurWindow, &Bg());
    Drag(80, 80);
    EXPECT_EQ(Pos(Bg()), (Rect{0, 0, 639, 479}));
    Press(0, 200); // the Background object's outline
    EXPECT_EQ(editor.doc.layout.CurWindow, nullptr);
    EXPECT_EQ(At(1, 200), ColourOf(42)); // no selection mark left
}

TEST_F(CanvasEditingTest, ABackgroundRectangleTakesItsBevelFromTheDisplayColour) {
    for (const auto& [display, light, dark] :
         {std::array{42, 44, 40}, std::array{255, 255, 253}, std::array{1, 3, 0}}) {
        editor.doc.layout.BackgroundColour = display;
        ArmPlace(editor.pointer, editor.observers, pmBackgroundRect);
        Press(10, 10);
        EXPECT_EQ(editor.doc.layout.CurWindow->BG0, light) << display;
        EXPECT_EQ(editor.doc.layout.CurWindow->BG, dark) << display;
    }
}

TEST_F(CanvasEditingTest, APressBesideTheDisplayPlacesNothingAndKeepsTheChoice) {
    ArmPlace(editor.pointer, editor.observers, pmMessage);
    Press(645, 100);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
    Press(639, 479);
    EXPECT_EQ(Pos(*editor.doc.layout.CurWindow), (Rect{639, 479, 639, 479}));
    EXPECT_EQ(editor.pointer.PlaceMode, pmNone);
}

} // namespace
} // namespace pw
