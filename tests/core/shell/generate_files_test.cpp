// Generate files against a temporary drive C: what the display folder, its backup and the
// job's folders hold after one generation or several.

#include "shell/generate_files.h"

#include "generate/deployment.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/timer_step.h"
#include "shell/undo_history.h"
#include "support/display_job.h"
#include "support/fake_hasher.h"
#include "support/temp_drive.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace pw {
namespace {

using Names = std::set<std::string>;

const Names kDisplayFiles = {"Display.axf", "Display.dcf", "Fake20.fnt", "logo.bm"};

class GenerateFilesTest : public DisplayJobTest {
protected:
    // The names in a folder of the drive, folders with a slash after them.
    Names In(const std::string& folder) const {
        AwaitDeploymentCleanup();
        Names names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(drive.root / folder, ec))
            names.insert(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
        return names;
    }

    GenerateReport Run() { return GenerateFiles(editor, views, hasher); }
};

Names With(Names names, std::initializer_list<std::string> more) {
    names.insert(more);
    return names;
}

TEST_F(GenerateFilesTest, BackupRulesHoldOverRepeatedGenerations) {
    // Nothing to keep yet. The layout, here and in its own file, names the font file.
    const GenerateReport report = Run();
    EXPECT_EQ(In("KVP/Display"), kDisplayFiles);
    EXPECT_EQ(GenerateSummary(report), "4 files written to C:\\KVP\\Display\\");
    EXPECT_TRUE(report.complete);
    // One step for the font, then each of the 4 files written and read back, the check of
    // the staged set and the swap.
    EXPECT_EQ(views.progress.size(), 11u);
    EXPECT_EQ(text->FntFile, "Fake20.fnt");
    for (const char* path : {"C:\\KVP\\Work\\job.dcf", "C:\\KVP\\Display\\Display.dcf"})
        EXPECT_NE(ReadFileBytes(path, 1 << 20).find("FntFile = Fake20.fnt\r\n"), std::string::npos)
            << path;
    EXPECT_FALSE(HasUnsavedChanges(editor.doc));

    // The display folder becomes the backup.
    Put("KVP/Display/stale.fnt");
    Run();
    EXPECT_EQ(In("KVP/DisplayBU"), With(kDisplayFiles, {"stale.fnt"}));
    EXPECT_EQ(In("KVP/Display"), kDisplayFiles);

    // A dated backup stays when the user says No or cancels; Yes replaces it.
    std::tm written{};
    written.tm_year = 2026 - 1900;
    written.tm_mon = 2;
    written.tm_mday = 14;
    written.tm_hour = 9;
    written.tm_min = 5;
    written.tm_isdst = -1;
    fs::last_write_time(drive.root / "KVP/DisplayBU/Display.dcf",
                        std::chrono::file_clock::from_sys(
                            std::chrono::system_clock::from_time_t(std::mktime(&written))));
    for (const Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
        Put("KVP/Display/other.bm");
        host.answers = {answer};
        Run();
        EXPECT_EQ(host.questions.back(), "Replace backups dated 2026-03-14 09:05:00 ?");
        EXPECT_EQ(In("KVP/DisplayBU"),
                  With(kDisplayFiles, {answer == Answer::Yes ? "other.bm" : "stale.fnt"}));
        EXPECT_EQ(In("KVP/Display"), kDisplayFiles);
    }

    // A backup without a layout is replaced without a question.
    fs::remove(drive.root / "KVP/DisplayBU/Display.dcf");
    Run();
    EXPECT_EQ(host.questions.size(), 3u);
    EXPECT_EQ(In("KVP/DisplayBU"), kDisplayFiles);
    // The backups replaced and the swap's manifest leave the disk, if only after the
    // deployment has returned.
    EXPECT_FALSE(In("KVP").contains("DisplayBU.~old/"));
    EXPECT_FALSE(In("KVP").contains("Display.~done"));
}

TEST_F(GenerateFilesTest, HiddenReadOnlyAndSubFoldersStayAndADisplayFolderWithJobsIsNotMoved) {
    Put("KVP/Display/Bank2/3/Display.dcf");
    Put("KVP/Display/.hidden");
    Put("KVP/Display/locked.bm");
    Put("KVP/Display/old.fnt");
    fs::permissions(drive.root / "KVP/Display/locked.bm", fs::perms::owner_read);
    Run();
    EXPECT_EQ(In("KVP"), (Names{"Display/", "Display.axf", "Work/"}));
    EXPECT_EQ(In("KVP/Display"), With(kDisplayFiles, {"Bank2/", ".hidden", "locked.bm"}));
    EXPECT_EQ(In("KVP/Display/Bank2/3"), Names{"Display.dcf"});
}

TEST_F(GenerateFilesTest, AJobWithASubFolderOrNetIdsWritesThereAndMakesNoBackup) {
    const struct {
        const char* subDirectory;
        const char* netIds;
        const char* folder;
        const char* target;
    } jobs[] = {
        {"Bank1\\", "", "KVP/Display/Bank1", "C:\\KVP\\Display\\Bank1\\"},
        {"Bank1", "3", "KVP/Display/Bank1/3", "C:\\KVP\\Display\\Bank1\\3\\"},
        {"", "3", "KVP/Display/3", "C:\\KVP\\Display\\3\\"},
        {"Bank1/Lift 2", "1,2", "KVP/Display/Bank1/Lift 2/1,2",
         "C:\\KVP\\Display\\Bank1/Lift 2\\1,2\\"},
    };
    Put("KVP/Display/keep.fnt");
    for (const auto& job : jobs) {
        editor.doc.layout.InputSpec.SubDirectory = job.subDirectory;
        editor.doc.layout.InputSpec.NetIDs = job.netIds;
        EXPECT_EQ(Run().target, job.target);
        EXPECT_EQ(In(job.folder), kDisplayFiles) << job.target;
    }
    EXPECT_TRUE(In("KVP/Display").contains("keep.fnt"));
    EXPECT_FALSE(fs::exists(drive.root / "KVP/DisplayBU"));
}

TEST_F(GenerateFilesTest, ATargetOutsideTheDisplayFolderIsNeitherMadeNorEmptied) {
    const std::pair<const char*, const char*> jobs[] = {
        {"..", ""},          {"Bank1\\..\\..", ""}, {"", "..\\Work"},
        {"C:\\Windows", ""}, {"\\Windows", ""},     {"/etc", ""},
        {"\\", ""},          {"Bank1\\\\x", ""},    {"Bank\x01", ""},
        {".", "3"},          {"Bank1", " . "},      {"D:", ""},
    };
    Put("KVP/Display/old.fnt");
    Put("KVP/Work/mine.bmp");
    for (const auto& [subDirectory, netIds] : jobs) {
        editor.doc.layout.InputSpec.SubDirectory = subDirectory;
        editor.doc.layout.InputSpec.NetIDs = netIds;
        host.messages.clear();
        const GenerateReport report = Run();
        EXPECT_FALSE(report.complete);
        ASSERT_EQ(host.messages.size(), 1u);
        std::string target = std::string("C:\\KVP\\Display\\") + subDirectory;
        if (!target.ends_with('\\')) target += '\\';
        if (*netIds) target = target + netIds + "\\";
        EXPECT_EQ(host.messages[0].text, "Cannot create " + target);
        EXPECT_EQ(In("KVP"), (Names{"Display/", "Display.axf", "Work/"})) << target;
        EXPECT_EQ(In("KVP/Display"), Names{"old.fnt"}) << target;
        EXPECT_EQ(In("KVP/Work"), (Names{"job.dcf", "job.~dc", "mine.bmp"})) << target;
        EXPECT_EQ(text->FntFile, "");
    }
}

TEST_F(GenerateFilesTest, WhatCannotBeGeneratedIsTold) {
    // Without the display program the rest is still written.
    fs::remove(drive.root / "KVP/Display.axf");
    GenerateReport report = Run();
    EXPECT_FALSE(report.complete);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The display executable file - C:\\KVP\\Display.axf - is missing.");
    const Names written = {"Display.dcf", "Fake20.fnt", "logo.bm"};
    EXPECT_EQ(In("KVP/Display"), written);

    // A font no file can be made for stops the command before the folders are touched.
    for (const auto& [size, linePercent] : {std::pair{5000, 100}, std::pair{900, 120}}) {
        text->FontSize = size;
        EditorTest::text.linePercent = linePercent; // 900 pixels of size make 1080 of line
        EXPECT_THROW(Run(), FormatError) << size;
        EXPECT_EQ(In("KVP/Display"), written);
        EXPECT_FALSE(fs::exists(drive.root / "KVP/DisplayBU"));
    }
}

TEST_F(GenerateFilesTest, TheMenuCommandAsksFirstAndNeedsALayoutFile) {
    editor.doc.LayoutFileName.clear();
    EXPECT_FALSE(Generatefiles1Click(editor, views, hasher));
    EXPECT_TRUE(host.questions.empty());

    editor.doc.LayoutFileName = "C:\\KVP\\Work\\job.dcf";
    host.answers = {Answer::No};
    EXPECT_FALSE(Generatefiles1Click(editor, views, hasher));
    EXPECT_EQ(host.questions,
              std::vector<std::string>{"This will reconfigure the connected displays. CONTINUE ?"});
    // Its details tell what would change; the files were made, but nothing was written.
    EXPECT_TRUE(host.details[0].starts_with("In C:\\KVP\\Display\\:\nAdded:\n"
                                            "  Display.axf  7 bytes\n"
                                            "  Display.dcf  "))
        << host.details[0];
    EXPECT_NE(host.details[0].find("\n  logo.bm  20 bytes\n"), std::string::npos);
    EXPECT_EQ(In("KVP"), (Names{"Display.axf", "Work/"}));
    EXPECT_EQ(text->FntFile, "");
}

// Ticks that come while the command's progress lets events through change nothing.
TEST_F(GenerateFilesTest, TheMenuCommandHoldsTheTimersStepsUntilItEnds) {
    struct Ticking : Progress {
        Editor& editor;
        std::vector<bool> held;
        explicit Ticking(Editor& e) : editor(e) {}
        void Step(long, long, const std::string&) override {
            held.push_back(editor.run.TimerBusy);
            TimerStep(editor);
        }
    } progress(editor);
    cWindow& position = AddWindow(0, 40, 99, 69, wtPosition);
    for (int k = 0; k <= 9; ++k) position.Text.Set(k, std::to_string(k));
    const std::int32_t floor = position.CurIndex;
    editor.view.ViewMode = vmDynamic;
    editor.run.TickCount = 7; // the lift would leave on the next step
    host.answers = {Answer::Yes};
    ASSERT_TRUE(Generatefiles1Click(editor, progress, hasher));
    EXPECT_FALSE(progress.held.empty());
    EXPECT_EQ(std::count(progress.held.begin(), progress.held.end(), false), 0);
    EXPECT_EQ(position.CurIndex, floor);
    EXPECT_FALSE(editor.run.TimerBusy);
}

} // namespace
} // namespace pw
