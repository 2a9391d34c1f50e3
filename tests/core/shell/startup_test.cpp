#include "shell/layout_file.h"
#include "platform/files.h"
#include "shell/close_query.h"
#include "shell/new_layout.h"
#include "shell/startup.h"
#include "shell/timer_step.h"
#include "shell/undo_history.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

#include <filesystem>

namespace pw {
namespace {

class FreshEditor : public ::testing::Test {
protected:
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};
};

TEST_F(FreshEditor, FirstShowCreatesTheDefaultLayoutOnce) {
    EXPECT_TRUE(editor.doc.layout.WindowList.empty());
    FirstShow(editor, {});
    EXPECT_TRUE(editor.run.StartupDone);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_EQ(editor.view.ViewMode, vmDesign);
    EXPECT_EQ(editor.pointer.PlaceMode, 0);
    FirstShow(editor, {});
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FreshEditor, AnArgumentNamingNoFileFallsBackToTheDefaultLayout) {
    FirstShow(editor, {"/nonexistent/dir/layout.dcf"});
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_EQ(editor.doc.layout.WindowList[0]->Type, wtBackground);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("/nonexistent/dir/layout.dcf"), std::string::npos);
}

using CloseTest = EditorTest;

TEST_F(CloseTest, ALayoutOfOnlyTheBackgroundClosesWithoutAQuestion) {
    EXPECT_EQ(CloseQuery(editor), CloseAction::Close);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(CloseTest, AnUnsavedLayoutWithWindowsAsks) {
    AddWindow(10, 10, 50, 50);
    host.answers = {Answer::Cancel, Answer::No, Answer::Yes};
    EXPECT_EQ(CloseQuery(editor), CloseAction::Stay);
    EXPECT_EQ(CloseQuery(editor), CloseAction::Close);
    EXPECT_EQ(CloseQuery(editor), CloseAction::SaveAsThenClose);
    ASSERT_EQ(host.questions.size(), 3u);
    EXPECT_EQ(host.questions[0], "Save before exit ?");
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
}

TEST_F(CloseTest, CancellingTheSaveAsItLedToKeepsTheLayout) {
    AddWindow(10, 10, 50, 50);
    host.answers = {Answer::Yes, Answer::Yes};
    host.saveFiles = {std::nullopt, std::nullopt};
    EXPECT_FALSE(SaveBeforeClosing(editor));
    New1Click(editor);
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
}

TEST_F(CloseTest, ANamedLayoutAlwaysAsks) {
    editor.doc.LayoutFileName = "C:\\KVP\\Work\\lobby.dcf";
    host.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(CloseQuery(editor), CloseAction::SaveThenClose);
    EXPECT_EQ(CloseQuery(editor), CloseAction::Close);
    EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(CloseTest, LoadAsksOnlyForUnsavedChangesAndSavesAsTheCloseQueryDoes) {
    TempDrive drive;
    const std::string path = "C:\\KVP\\Work\\lobby.dcf";
    CreateFolders("C:\\KVP\\Work");
    editor.doc.LayoutFileName = path;
    SaveLayout(editor.doc, path);
    EXPECT_TRUE(SaveBeforeLoading(editor)); // nothing to lose: no question
    EXPECT_TRUE(host.questions.empty());

    AddWindow(10, 10, 50, 50);
    host.answers = {Answer::Cancel, Answer::No, Answer::Yes};
    EXPECT_FALSE(SaveBeforeLoading(editor));
    EXPECT_TRUE(SaveBeforeLoading(editor));
    ASSERT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(host.questions[0], "Save before loading another layout ?");
    EXPECT_FALSE(std::filesystem::exists(drive.root / "KVP/Work/lobby.~dc")); // No saved nothing
    EXPECT_TRUE(SaveBeforeLoading(editor));
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/Work/lobby.~dc")); // Yes saved
    EXPECT_FALSE(HasUnsavedChanges(editor.doc));

    // Unnamed, Yes leads to Save As, and cancelling that keeps the layout from being replaced.
    editor.doc.LayoutFileName.clear();
    AddWindow(20, 20, 60, 60);
    host.answers = {Answer::Yes};
    host.saveFiles = {std::nullopt};
    EXPECT_FALSE(SaveBeforeLoading(editor));
    EXPECT_EQ(host.questions.size(), 4u);
}

using TimerTest = EditorTest;

TEST_F(TimerTest, TicksCountEvenWhileAStepIsRunning) {
    TimerStep(editor);
    TimerStep(editor);
    EXPECT_EQ(editor.run.TickCount, 2u);
    EXPECT_FALSE(editor.run.TimerBusy);
    editor.run.TimerBusy = true; // a step still running
    editor.view.ViewMode = vmDynamic;
    const auto position = editor.run.sim.SimPosition;
    for (int i = 0; i < 20; ++i) TimerStep(editor);
    EXPECT_EQ(editor.run.TickCount, 22u);
    EXPECT_EQ(editor.run.sim.SimPosition, position); // no step ran
    EXPECT_TRUE(editor.run.TimerBusy);
}

} // namespace
} // namespace pw
