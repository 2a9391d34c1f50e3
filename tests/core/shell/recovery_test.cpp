#include "shell/layout_commands.h"
#include "shell/layout_file.h"
#include "platform/files.h"
#include "shell/new_layout.h"
#include "shell/recovery.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

namespace fs = std::filesystem;

namespace pw {
namespace {

// 2024-03-12 14:05:30, as the clock of the editor under test tells it.
std::tm FakeNow() {
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 2;
    t.tm_mday = 12;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 30;
    return t;
}

class RecoveryTest : public EditorTest {
protected:
    TempDrive drive;
    // A steady clock's time, as the recovery timer hands it on.
    const std::chrono::steady_clock::time_point t0{std::chrono::hours(1)};
    // The state folder, in the editor's own path form.
    const std::string folder = (drive.root / "state").string();

    void SetUp() override {
        EditorTest::SetUp();
        editor.run.LocalTime = FakeNow;
        CreateFolders("C:\\KVP\\Work");
    }
    bool Exists(const std::string& name) const { return fs::exists(drive.root / "state" / name); }

    // The next run of the program, process 200, in an editor of its own: started while the
    // processes running() names run, it answers the offer of left copies.
    RecordingHost nextHost;
    Editor next{nextHost, text};
    void StartNextRun(Answer answer, const std::function<bool(int)>& running) {
        CreateDefaultLayout(next.doc, next.view);
        RecoveryCopy copy(next, folder, 200);
        nextHost.answers = {answer};
        copy.OfferLeftCopies(running);
    }
};

TEST_F(RecoveryTest, TheCopyIsKeptWhileTheLayoutHasUnsavedChangesOnly) {
    using std::chrono::seconds;
    RecoveryCopy copy(editor, folder, 100);
    copy.Update(t0);
    EXPECT_FALSE(Exists("recovery-100.dcf")); // nothing unsaved in a new layout
    cWindow& w = AddWindow(10, 10, 99, 49);
    w.Text.Set(0, "Level 3");
    EXPECT_TRUE(HasUnsavedChanges(editor.doc));
    copy.Update(t0 + seconds(5)); // the first change is kept at once
    const std::string written = ReadFileBytes(copy.Path(), 1 << 20);
    EXPECT_EQ(written.rfind("Panelwright recovery copy\r\n  Written = 2024-03-12 14:05\r\n", 0),
              0u);
    EXPECT_NE(written.find("|Level 3|"), std::string::npos);
    // Later changes at most every half minute.
    w.Text.Set(0, "Level 4");
    copy.Update(t0 + seconds(30));
    EXPECT_NE(ReadFileBytes(copy.Path(), 1 << 20).find("|Level 3|"), std::string::npos);
    copy.Update(t0 + seconds(35));
    EXPECT_NE(ReadFileBytes(copy.Path(), 1 << 20).find("|Level 4|"), std::string::npos);

    host.saveFiles = {std::string("C:\\KVP\\Work\\lobby.dcf")};
    SaveAs1Click(editor); // a save leaves nothing to recover
    EXPECT_FALSE(HasUnsavedChanges(editor.doc));
    EXPECT_FALSE(Exists("recovery-100.dcf"));

    AddWindow(20, 20, 60, 60);
    copy.Update(t0 + seconds(40));
    EXPECT_TRUE(Exists("recovery-100.dcf"));
    copy.Remove(); // a clean exit
    EXPECT_FALSE(Exists("recovery-100.dcf"));
}

TEST_F(RecoveryTest, ACopyLeftByARunThatEndedIsOfferedAndYesOpensItUnsaved) {
    RecoveryCopy crashed(editor, folder, 100);
    SetLayoutFileName(editor.doc, "C:\\KVP\\Work\\lobby.dcf");
    AddWindow(10, 10, 99, 49).Text.Set(0, "Level 3");
    crashed.Update(t0);

    StartNextRun(Answer::Yes, [](int id) { return id == 200; });
    EXPECT_EQ(nextHost.questions,
              (std::vector<std::string>{"Recover the unsaved layout of 2024-03-12 14:05?"}));
    ASSERT_EQ(next.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(next.doc.layout.WindowList[1]->Text[0], "Level 3");
    EXPECT_EQ(next.doc.LayoutFileName, "C:\\KVP\\Work\\lobby.dcf"); // Save writes there
    EXPECT_TRUE(HasUnsavedChanges(next.doc));
    // The copy is this run's now.
    EXPECT_FALSE(Exists("recovery-100.dcf"));
    EXPECT_TRUE(Exists("recovery-200.dcf"));
}

TEST_F(RecoveryTest, NoRemovesTheCopyAndACopyOfARunningEditorIsNotOffered) {
    RecoveryCopy running(editor, folder, 100);
    AddWindow(10, 10, 99, 49);
    running.Update(t0);
    RecoveryCopy crashed(editor, folder, 300);
    crashed.Update(t0);
    StartNextRun(Answer::No, [](int id) { return id == 100 || id == 200; });
    EXPECT_EQ(nextHost.questions.size(), 1u);
    EXPECT_EQ(next.doc.layout.WindowList.size(), 1u);
    EXPECT_FALSE(Exists("recovery-300.dcf"));
    EXPECT_TRUE(Exists("recovery-100.dcf"));
}

TEST_F(RecoveryTest, ACopyThatCannotBeReadIsReportedAndRemovedAndTheNextOneOffered) {
    RecoveryCopy crashed(editor, folder, 100);
    AddWindow(10, 10, 99, 49).Text.Set(0, "Level 3");
    crashed.Update(t0);
    WriteFileAtomically(folder + "/recovery-300.dcf",
                        "Panelwright recovery copy\r\n  Written = 2024-03-13 09:00\r\n\r\n"
                        "no groups at all\r\n");

    CreateDefaultLayout(next.doc, next.view);
    RecoveryCopy copy(next, folder, 200);
    nextHost.answers = {Answer::Yes, Answer::Yes};
    copy.OfferLeftCopies([](int id) { return id == 200; });
    EXPECT_EQ(nextHost.questions.size(), 2u);
    ASSERT_FALSE(nextHost.messages.empty());
    EXPECT_NE(nextHost.messages[0].text.find("recovery copy cannot be read"), std::string::npos);
    EXPECT_FALSE(Exists("recovery-300.dcf"));
    ASSERT_EQ(next.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(next.doc.layout.WindowList[1]->Text[0], "Level 3");
}

TEST_F(RecoveryTest, NewAsksAsExitDoesAndStartsTheLayoutOfStartUp) {
    AddWindow(10, 10, 99, 49);
    editor.doc.layout.InputSpec.JobName = "Tower";
    host.answers = {Answer::Cancel, Answer::No};
    New1Click(editor);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u); // cancelled
    views.captions.clear();
    New1Click(editor);
    EXPECT_EQ(host.questions,
              (std::vector<std::string>{"Save before exit ?", "Save before exit ?"}));
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_EQ(editor.doc.layout.BackgroundColour, 42);
    EXPECT_EQ(editor.view.canvas.Width(), 640);
    EXPECT_EQ(editor.doc.layout.InputSpec.JobName, "");
    EXPECT_EQ(views.captions, (std::vector<std::string>{"Tarnwheel Panelwright  v5.08"}));
    EXPECT_FALSE(HasUnsavedChanges(editor.doc));
}

} // namespace
} // namespace pw
