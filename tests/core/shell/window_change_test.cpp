#include "shell/command_scope.h"
#include "shell/redraw.h"
#include "shell/win_info.h"
#include "shell/window_change.h"
#include "shell/window_commands.h"
#include "support/editor_fixture.h"

namespace pw {
namespace {

using WindowChangeTest = EditorTest;

// The bevelled rectangle of the lobby: a window under others given a picture, a colour or a
// new place shows the windows above it at once, as a whole redraw would.
TEST_F(WindowChangeTest, AChangeBeneathOtherWindowsLeavesThemOnTop) {
    cWindow& under = AddWindow(50, 50, 300, 200);
    under.BG0 = under.BG = 195;
    cWindow& above = AddWindow(100, 80, 180, 120);
    above.BG0 = above.BG = 12;
    cWindow& far = AddWindow(400, 300, 450, 340);
    far.BG0 = far.BG = 30;
    editor.doc.layout.CurWindow = &under;
    RedrawAll(editor.view, editor.doc);

    WindowFields values;
    values.BG0 = values.BG = 77;
    values.X1 = 320;
    EXPECT_EQ(ChangeWindow(editor.doc, editor.view, under.Id, values, wfBG0 | wfBG | wfX1),
              wfBG0 | wfBG | wfX1);
    EXPECT_EQ(At(140, 100), ColourOf(12));
    EXPECT_EQ(At(310, 100), ColourOf(77));
    const RasterCanvas incremental = editor.view.canvas;
    RedrawAll(editor.view, editor.doc);
    for (int y = 0; y < incremental.Height(); ++y)
        for (int x = 0; x < incremental.Width(); ++x)
            ASSERT_EQ(incremental.Pixel(x, y), At(x, y)) << x << "," << y;

    // A change the window cannot take leaves it whole and draws nothing.
    views.changed.clear();
    values.X1 = 10; // before its left edge
    EXPECT_EQ(ChangeWindow(editor.doc, editor.view, under.Id, values, wfX1), wfNone);
    EXPECT_EQ(under.X1, 320);
    EXPECT_TRUE(views.changed.empty());
}

// A command-line tool's canvas no one looks at: its commands change the windows as always,
// and neither a new display size nor any drawing gives it pixels.
TEST_F(WindowChangeTest, AnUnseenViewChangesWindowsWithoutPixels) {
    editor.view.Unseen = true;
    editor.view.canvas = RasterCanvas(0, 0, 0);
    cWindow& w = AddWindow(50, 50, 300, 200);
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    SelectWindow(editor.doc, editor.view, &w);
    WindowFields values;
    values.BG0 = values.BG = 77;
    EXPECT_EQ(ChangeWindow(editor.doc, editor.view, w.Id, values, wfBG0 | wfBG), wfBG0 | wfBG);
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(w.BG, 77);
    EXPECT_EQ(editor.view.canvas.Width(), 0);
    EXPECT_EQ(editor.view.canvas.Height(), 0);
}

// Undo and redo rebuild the windows; whoever held a window's identity finds it again.
TEST_F(WindowChangeTest, AWindowIsFoundByItsIdentityAfterUndoAndRedo) {
    cWindow& w = AddWindow(50, 50, 150, 80);
    const WindowId id = w.Id;
    editor.doc.history.Reset(editor.doc);
    {
        CommandScope command(editor.doc, editor.view);
        WindowFields values;
        values.Tag = 9;
        ChangeWindow(editor.doc, editor.view, id, values, wfTag);
    }
    Undo(editor.doc, editor.view);
    cWindow* again = FindWindow(editor.doc.layout, id);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again->Tag, 9u);
    Redo(editor.doc, editor.view);
    ASSERT_NE(FindWindow(editor.doc.layout, id), nullptr);
    EXPECT_EQ(FindWindow(editor.doc.layout, id)->Tag, 9u);
    // A window given another's contents stays itself.
    cWindow& other = AddWindow(10, 10, 20, 20);
    const WindowId otherId = other.Id;
    other = *FindWindow(editor.doc.layout, id);
    EXPECT_EQ(WindowId(other.Id), otherId);
}

} // namespace
} // namespace pw
