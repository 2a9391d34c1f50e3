#include "config/dcf_file.h"
#include "shell/undo_history.h"
#include "shell/window_commands.h"
#include "support/editor_fixture.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"

namespace pw {
namespace {

class UndoHistoryTest : public EditorTest {
protected:
    UndoHistory& history = editor.doc.history;

    void SetUp() override {
        EditorTest::SetUp();
        history = UndoHistory{3};
        for (int i = 0; i < 4; ++i) AddWindow(10 + 40 * i, 10, 40 + 40 * i, 40).Text.Set(0, "w");
        // Shown, as the editor shows a layout before anyone edits it: drawing gives the texts
        // their font.
        RedrawAll(editor.view, editor.doc);
        history.Reset(editor.doc);
    }
    std::string Text() const { return WriteLayoutText(editor.doc.layout); }
    cWindow& At(std::size_t i) { return *WindowAt(editor.doc.layout, i); }
};

TEST_F(UndoHistoryTest, EachChangingCommandIsOneStepThatUndoesAndRedoesExactly) {
    const std::string start = Text();
    EXPECT_FALSE(history.Commit(editor.doc)); // changed nothing: no step
    EXPECT_FALSE(history.CanUndo());

    SelectWindow(editor.doc, editor.view, &At(2));
    SetValue(editor.doc, editor.view, At(2), wfX0, 300);
    SetValue(editor.doc, editor.view, At(2), wfY0, 200);
    ASSERT_TRUE(history.Commit(editor.doc));
    EXPECT_EQ(history.UndoName(), "Move Message Window");
    const std::string moved = Text();
    SelectWindow(editor.doc, editor.view, &At(1));
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &At(1));
    ASSERT_TRUE(history.Commit(editor.doc));

    EXPECT_EQ(history.UndoName(), "Delete Message Window");
    Undo(editor.doc, editor.view);
    EXPECT_EQ(Text(), moved);
    EXPECT_EQ(editor.doc.layout.CurWindow, &At(2)) << "the selection of that moment";
    Undo(editor.doc, editor.view);
    EXPECT_EQ(Text(), start);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.RedoName(), "Move Message Window");
    Redo(editor.doc, editor.view);
    EXPECT_EQ(Text(), moved);

    // A new command after an undo makes the undone one unreachable.
    SetValue(editor.doc, editor.view, At(3), wfX1, 150);
    history.Commit(editor.doc);
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoHistoryTest, AHistoryOfNoStepsKeepsNoCopyAndAlwaysCountsAsModified) {
    history = UndoHistory{0};
    history.Reset(editor.doc);
    EXPECT_EQ(history.WindowCopies(), 0u);
    SetValue(editor.doc, editor.view, At(2), wfX0, 300);
    EXPECT_FALSE(history.Commit(editor.doc));
    history.MarkSaved(editor.doc);
    EXPECT_EQ(history.WindowCopies(), 0u);
    EXPECT_FALSE(history.Undo(editor.doc));
    EXPECT_TRUE(history.Modified(editor.doc)) << "nothing kept to tell otherwise";
}

TEST_F(UndoHistoryTest, TheOldestStepsGoAndUnchangedWindowsAreShared) {
    // A text that took more memory while it was edited than its copies take.
    At(4).Text.Set(1, std::string(1000, 'x'));
    At(4).Text.Set(1, std::string(100, 'x'));
    history.Reset(editor.doc);
    std::size_t bytes = 0;
    for (int x = 1; x <= 5; ++x) {
        SetValue(editor.doc, editor.view, At(4), wfX0, 300 + x);
        history.Commit(editor.doc);
        if (x == 3) bytes = history.Bytes();
    }
    EXPECT_EQ(history.UndoSteps(), 3u);
    EXPECT_EQ(history.Bytes(), bytes) << "each step dropped gives back what a new one took";
    // Five windows once, and one copy of the moved window for each state kept besides.
    EXPECT_EQ(history.WindowCopies(), 5u + 3u);
    while (history.CanUndo()) Undo(editor.doc, editor.view);
    EXPECT_EQ(At(4).X0, 302);

    history = UndoHistory{200, 1}; // memory for no step: the last one stays all the same
    history.Reset(editor.doc);
    for (int x = 1; x <= 3; ++x) {
        SetValue(editor.doc, editor.view, At(4), wfX0, 200 + x);
        history.Commit(editor.doc);
    }
    EXPECT_EQ(history.UndoSteps(), 1u);
}

// Undo takes over the windows the step left alone instead of copying them; they must still
// come back as the kept ones were, also in what the history does not compare.
TEST_F(UndoHistoryTest, WindowsTheStepLeftAloneComeBackAsTheyWereKept) {
    SetValue(editor.doc, editor.view, At(4), wfX0, 300);
    history.Commit(editor.doc);
    const std::string moved = Text();
    At(3).LastStepTick = 9; // a timed sequence stepped since
    At(2).Lines.group = 7;
    At(1).DragMode = dmMoving;
    Undo(editor.doc, editor.view);
    EXPECT_EQ(At(4).X0, 130);
    EXPECT_EQ(At(3).LastStepTick, 0u);
    EXPECT_EQ(At(2).Lines.group, 0u);
    for (std::size_t i = 0; i <= 4; ++i) {
        EXPECT_EQ(At(i).DragMode, dmIdle) << i;
        EXPECT_EQ(At(i).ListPos, i + 1) << i;
    }
    Redo(editor.doc, editor.view);
    EXPECT_EQ(Text(), moved);
    Undo(editor.doc, editor.view);
    EXPECT_EQ(At(4).X0, 130);
}

TEST_F(UndoHistoryTest, ModifiedFollowsSavesUndoAndUncommittedChanges) {
    EXPECT_FALSE(history.Modified(editor.doc));
    editor.doc.layout.InputSpec.JobName = "Tower";
    EXPECT_TRUE(history.Modified(editor.doc)) << "changed, not yet a step";
    history.Commit(editor.doc);
    history.MarkSaved(editor.doc);
    EXPECT_FALSE(history.Modified(editor.doc));
    Undo(editor.doc, editor.view);
    EXPECT_TRUE(history.Modified(editor.doc));
    Redo(editor.doc, editor.view);
    EXPECT_FALSE(history.Modified(editor.doc));
}

TEST_F(UndoHistoryTest, AnImageGivenUpComesBackWithItsTransparentColour) {
    cWindow& w = At(1);
    w.DrawType = dtImage;
    w.BMP[0] = "C:\\logo.bmp";
    w.ImageHeld.set(0);
    editor.doc.images.ImageList.AcquireImage(w.BMP[0])->Transparent = 5;
    history.Reset(editor.doc);
    const cImage* logo = editor.doc.images.ImageList.FindImage("C:\\logo.bmp");

    editor.doc.images.ImageList.FindImage("C:\\logo.bmp")->Transparent = 9; // picked anew
    ASSERT_TRUE(history.Commit(editor.doc));
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &At(1));
    history.Commit(editor.doc);
    ASSERT_EQ(editor.doc.images.ImageList.FindImage("C:\\logo.bmp"), nullptr);

    Undo(editor.doc, editor.view);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("C:\\logo.bmp"), logo);
    EXPECT_EQ(logo->Transparent, 9);
    EXPECT_EQ(logo->RefCount, 1u);
    Undo(editor.doc, editor.view);
    EXPECT_EQ(logo->Transparent, 5);
}

} // namespace
} // namespace pw
