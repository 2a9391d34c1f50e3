// Several windows at once: picking them on the canvas, dragging them together, lining them
// up, changing their order, and the hidden and locked windows the canvas leaves alone.

#include "config/dcf_file.h"
#include "shell/canvas_editing.h"
#include "shell/command_scope.h"
#include "shell/group_commands.h"
#include "shell/redraw.h"
#include "shell/selection_commands.h"
#include "shell/window_commands.h"
#include "support/editor_fixture.h"

#include <regex>

namespace pw {
namespace {

class GroupEditingTest : public EditorTest {
protected:
    // Five message windows in a row on the 640 x 480 display; d is locked and e hidden.
    cWindow* a;
    cWindow* b;
    cWindow* c;
    cWindow* d;
    cWindow* e;

    void SetUp() override {
        EditorTest::SetUp();
        a = &AddWindow(10, 10, 60, 40);
        b = &AddWindow(100, 10, 150, 40);
        c = &AddWindow(200, 10, 250, 40);
        d = &AddWindow(300, 10, 350, 40);
        e = &AddWindow(400, 10, 450, 40);
        SetMark(editor, WindowMark::Locked, d->Number, true);
        SetMark(editor, WindowMark::Hidden, e->Number, true);
        RedrawAll(editor.view, editor.doc);
        editor.doc.history.Reset(editor.doc);
    }
    // The canvas's events as the application sends them: press and release are commands.
    void Press(int x, int y, ShiftState keys = 0) {
        CommandScope command(editor.doc, editor.view);
        FormMouseDown(editor, mbLeft, ssLeft | keys, x, y);
    }
    void Move(int x, int y, ShiftState keys = 0) { FormMouseMove(editor, ssLeft | keys, x, y); }
    void Release(int x, int y) {
        CommandScope command(editor.doc, editor.view);
        FormMouseUp(editor, mbLeft, 0, x, y);
    }
    std::vector<cWindow*> Selected() const {
        return SelectedWindows(editor.doc.layout, editor.selection);
    }
    static Rect Place(const cWindow* w) { return {w->X0, w->Y0, w->X1, w->Y1}; }
    // Undo rebuilds the windows: the same ids, new objects.
    void Undo() {
        const WindowId ids[] = {a->Id, b->Id, c->Id, d->Id, e->Id};
        pw::Undo(editor.doc, editor.view);
        cWindow** windows[] = {&a, &b, &c, &d, &e};
        for (int i = 0; i < 5; ++i) *windows[i] = FindWindow(editor.doc.layout, ids[i]);
    }
    // The window numbers in the order the layout file holds them.
    std::vector<std::uint32_t> FileOrder() const {
        const std::string text = WriteLayoutText(editor.doc.layout);
        const std::regex type("Type = \\d+, (\\d+)");
        std::vector<std::uint32_t> numbers;
        for (std::sregex_iterator it(text.begin(), text.end(), type), end; it != end; ++it)
            numbers.push_back(static_cast<std::uint32_t>(std::stoul((*it)[1])));
        return numbers;
    }
};

TEST_F(GroupEditingTest, CtrlClickBandAndSelectAllPickOnlyWhatTheCanvasMayPick) {
    Press(30, 25);
    Release(30, 25);
    EXPECT_EQ(Selected(), (std::vector<cWindow*>{a}));
    Press(220, 25, ssCtrl);
    EXPECT_EQ(Selected(), (std::vector<cWindow*>{a, c}));
    EXPECT_EQ(editor.doc.layout.CurWindow, c);
    Press(30, 25, ssCtrl); // out again
    EXPECT_EQ(Selected(), (std::vector<cWindow*>{c}));
    Press(500, 300, ssCtrl); // the Background object joins no group
    Press(320, 25, ssCtrl);  // nor does a locked window
    EXPECT_EQ(Selected(), (std::vector<cWindow*>{c}));

    // A drag from where only the Background object is: the band touches a to e, and picks
    // neither the locked d nor the hidden e.
    Press(5, 5);
    Move(200, 20);
    Move(420, 30);
    Release(420, 30);
    EXPECT_EQ(Selected(), (std::vector<cWindow*>{a, b, c}));
    EXPECT_EQ(editor.doc.layout.CurWindow, c) << "the last in drawing order";
    // A click on a member keeps the group, a click on another window ends it.
    Press(120, 25);
    Release(120, 25);
    EXPECT_EQ(Selected().size(), 3u);
    EXPECT_EQ(editor.doc.layout.CurWindow, b);

    ClearSelection(editor);
    EXPECT_TRUE(Selected().empty());
    SelectAll(editor);
    EXPECT_EQ(Selected(), (std::vector<cWindow*>{a, b, c}));
}

TEST_F(GroupEditingTest, AGroupDragMovesEveryWindowFromThePressAndIsOneUndoStep) {
    SelectIds(editor, {a->Id, b->Id, d->Id});
    const std::string before = WriteLayoutText(editor.doc.layout);
    Press(120, 25);
    Move(121, 26);
    Move(150, 75);
    Release(150, 75);
    EXPECT_EQ(Place(a), (Rect{40, 60, 90, 90}));
    EXPECT_EQ(Place(b), (Rect{130, 60, 180, 90}));
    EXPECT_EQ(Place(d), (Rect{300, 10, 350, 40})) << "locked";
    // The moved windows are drawn at their new places (a's background code 0 is black).
    EXPECT_EQ(At(65, 75), ColourOf(0));
    EXPECT_EQ(At(30, 25), ColourOf(42));
    EXPECT_EQ(editor.doc.history.UndoSteps(), 1u);
    Undo();
    EXPECT_EQ(WriteLayoutText(editor.doc.layout), before);
    EXPECT_EQ(Selected().size(), 3u) << "the ids outlive the rebuilt windows";

    // Dragged left the group stops at the display's edge, however far the pointer goes.
    Press(120, 25);
    Move(20, 25);
    Release(20, 25);
    EXPECT_EQ(Place(a).left, 0);
    EXPECT_EQ(Place(b).left, 90);
}

TEST_F(GroupEditingTest, DragsSnapToTheDisplayAndOtherWindowsUnlessAltIsHeld) {
    editor.pointer.snap.windows = true;
    SelectOnly(editor, b);
    // b's left edge 100 - 97 = 3 is 3 from the display's edge 0; its right edge 150 + 98 =
    // 248 is 2 from c's right edge 250.
    Press(120, 25);
    Move(23, 25);
    EXPECT_EQ(Place(b).left, 0);
    // Its top, centre and bottom lie on a's lines already: they show too.
    EXPECT_EQ(editor.pointer.drag.guides,
              (std::vector<SnapGuide>{{true, 0}, {false, 10}, {false, 25}, {false, 40}}));
    Move(23, 25, ssAlt);
    EXPECT_EQ(Place(b).left, 3);
    Move(218, 25);
    EXPECT_EQ(Place(b).right, 250);
    Release(218, 25);
    EXPECT_TRUE(editor.pointer.drag.guides.empty());
    // A right edge dragged to within 5 of the hidden e's left edge snaps to nothing: e is
    // not shown; to within 3 of the locked d's right edge it snaps.
    Press(250, 25);
    Move(396, 25);
    EXPECT_EQ(Place(b).right, 396);
    Move(347, 25);
    EXPECT_EQ(Place(b).right, 350) << "d's right edge";
    Release(347, 25);
    editor.pointer.snap.grid = true;
    Press(225, 25); // b is 200..350: moved by 13 its left goes to 213, on the grid 216
    Move(238, 25);
    EXPECT_EQ(Place(b).left, 216);
    Release(238, 25);
}

TEST_F(GroupEditingTest, AlignmentMovesTheGroupOnTheCurrentWindowAsOneStep) {
    SelectIds(editor, {a->Id, b->Id, c->Id, d->Id});
    b->Y0 = 100;
    b->Y1 = 130;
    SelectWindow(editor.doc, editor.view, b);
    editor.doc.history.Reset(editor.doc);
    EXPECT_TRUE(CanAlign(editor.doc.layout, editor.selection, Alignment::DistributeHorizontally));
    {
        CommandScope command(editor.doc, editor.view);
        AlignSelection(editor, Alignment::TopEdges);
    }
    EXPECT_EQ(Place(a), (Rect{10, 100, 60, 130}));
    EXPECT_EQ(Place(c), (Rect{200, 100, 250, 130}));
    EXPECT_EQ(Place(d), (Rect{300, 10, 350, 40})) << "locked";
    EXPECT_EQ(editor.doc.history.UndoSteps(), 1u);
    // Two alignments in one command are one step.
    {
        CommandScope command(editor.doc, editor.view);
        SelectWindow(editor.doc, editor.view, c);
        c->Y0 = 400;
        c->Y1 = 479;
        AlignSelection(editor, Alignment::SameHeight);
        AlignSelection(editor, Alignment::BottomEdges);
    }
    EXPECT_EQ(Place(a), (Rect{10, 400, 60, 479}));
    EXPECT_EQ(editor.doc.history.UndoSteps(), 2u);
    Undo();
    EXPECT_EQ(Place(a), (Rect{10, 100, 60, 130}));

    ClearSelection(editor);
    SelectOnly(editor, a);
    EXPECT_FALSE(CanAlign(editor.doc.layout, editor.selection, Alignment::LeftEdges));
}

TEST_F(GroupEditingTest, OrderChangesAreWrittenToTheFileInTheNewOrder) {
    const std::uint32_t bg = WindowAt(editor.doc.layout, 0)->Number;
    const std::uint32_t na = a->Number, nb = b->Number, nc = c->Number, nd = d->Number,
                        ne = e->Number;
    SelectOnly(editor, a);
    StepDrawingOrder(editor, true);
    EXPECT_EQ(FileOrder(), (std::vector<std::uint32_t>{bg, nb, na, nc, nd, ne}));
    SelectIds(editor, {a->Id, c->Id});
    StepDrawingOrder(editor, false);
    EXPECT_EQ(FileOrder(), (std::vector<std::uint32_t>{bg, na, nc, nb, nd, ne}));
    // a stays above the Background object, and c passes no selected window.
    StepDrawingOrder(editor, false);
    EXPECT_EQ(FileOrder(), (std::vector<std::uint32_t>{bg, na, nc, nb, nd, ne}));
    MoveInDrawingOrder(editor, a->Id, 5);
    EXPECT_EQ(FileOrder(), (std::vector<std::uint32_t>{bg, nc, nb, nd, ne, na}));
}

TEST_F(GroupEditingTest, HiddenWindowsAreLeftOutOfTheDesignViewAndNeverOfTheFile) {
    const std::string text = WriteLayoutText(editor.doc.layout);
    EXPECT_EQ(At(425, 25), ColourOf(42));
    SetMark(editor, WindowMark::Hidden, e->Number, false);
    EXPECT_EQ(At(425, 25), ColourOf(0));
    EXPECT_EQ(WriteLayoutText(editor.doc.layout), text);
    // The colours chosen for the current window go to the whole group.
    SelectIds(editor, {a->Id, b->Id});
    SelectWindow(editor.doc, editor.view, b);
    b->FG = 12;
    b->BG0 = 200;
    ApplyToSelection(editor, kColourFields);
    EXPECT_EQ(a->FG, 12);
    EXPECT_EQ(a->BG0, 200);
    EXPECT_EQ(c->BG0, 0);
}

} // namespace
} // namespace pw
