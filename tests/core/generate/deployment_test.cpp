// Generate files fails or stops at every possible moment, and the display and backup folders
// never hold anything but a whole old set or a whole new one.

#include "generate/deployment.h"
#include "shell/generate_files.h"
#include "generate/target_folder.h"

#include "platform/errors.h"
#include "support/display_job.h"
#include "support/fake_hasher.h"
#include "support/faulty_fs.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace pw {
namespace {

// Every folder and file below a folder of the drive, with the files' bytes.
using Tree = std::map<std::string, std::string>;

class DeploymentTest : public DisplayJobTest {
protected:
    // A small font keeps the set small enough to fail at every byte.
    DeploymentTest() : DisplayJobTest(8) {}

    Tree Snapshot(const std::string& folder = "KVP") const {
        AwaitDeploymentCleanup();
        Tree tree;
        for (const auto& entry : fs::recursive_directory_iterator(drive.root / folder)) {
            const std::string name = fs::relative(entry.path(), drive.root).string();
            if (name.starts_with("KVP/Work")) continue; // the layout's own file is not at stake
            if (entry.is_directory()) {
                tree[name + "/"] = "";
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            tree[name] = bytes.str();
        }
        return tree;
    }

    // The files and folders of one folder of a snapshot, named inside it.
    static Tree Folder(const Tree& tree, const std::string& folder) {
        Tree files;
        for (const auto& [name, bytes] : tree) {
            if (!name.starts_with(folder + "/")) continue;
            const std::string rest = name.substr(folder.size() + 1);
            const std::size_t slash = rest.find('/');
            if (!rest.empty() && (slash == std::string::npos || slash + 1 == rest.size()))
                files[rest] = bytes;
        }
        return files;
    }

    // A display folder generated once and made the backup, a second set in the display
    // folder with a file of its own, and a new layout to deploy over them.
    void TwoGenerationsBehind(bool withJobFolder) {
        GenerateFiles(editor, NoProgress(), hasher);
        Put("KVP/Display/stale.fnt");
        if (withJobFolder) Put("KVP/Display/Bank2/3/Display.dcf");
        text->Text.Set(0, "Lift 1");
        GenerateFiles(editor, NoProgress(), hasher);
        Put("KVP/Display/stale.fnt");
        text->Text.Set(0, "Lift 2");
        text->FontSize = 10;
    }
};

TEST_F(DeploymentTest, AFailureAtAnyWriteOrByteOrOfTheDiskLeavesTheFoldersAsTheyWere) {
    for (const bool withJobFolder : {false, true}) {
        TwoGenerationsBehind(withJobFolder);
        const Tree before = Snapshot();
        // A whole Generate, undone again, counts its writes and bytes.
        const fs::path pristine = drive.root.string() + "_before";
        fs::remove_all(pristine);
        fs::copy(drive.root, pristine, fs::copy_options::recursive);
        FaultyFs counting;
        host.answers = {Answer::Yes};
        GenerateFiles(editor, NoProgress(), hasher, counting);
        fs::remove_all(drive.root);
        fs::rename(pristine, drive.root);
        ASSERT_EQ(Snapshot(), before);
        ASSERT_GT(counting.writes, 4);
        text->FntFile.clear();
        for (long k = 1; k <= counting.writes; ++k) {
            FaultyFs faulty;
            faulty.failAtWrite = k;
            host.answers = {Answer::Yes};
            EXPECT_THROW(GenerateFiles(editor, NoProgress(), hasher, faulty), IoError) << k;
            ASSERT_EQ(Snapshot(), before) << "write " << k;
        }
        for (long k = 0; k < counting.bytes; ++k) {
            FaultyFs faulty;
            faulty.failAtByte = k;
            host.answers = {Answer::Yes};
            try {
                GenerateFiles(editor, NoProgress(), hasher, faulty);
                ADD_FAILURE() << "byte " << k << " did not fail";
            } catch (const IoError& error) {
                EXPECT_NE(std::string(error.what()).find("No space left on device"),
                          std::string::npos);
            }
            ASSERT_EQ(Snapshot(), before) << "byte " << k;
        }
        FaultyFs failingDisk;
        failingDisk.failFlush = true;
        host.answers = {Answer::Yes};
        EXPECT_THROW(GenerateFiles(editor, NoProgress(), hasher, failingDisk), IoError);
        ASSERT_EQ(Snapshot(), before) << "flush";
        EXPECT_EQ(text->FntFile, "");
        fs::remove_all(drive.root / "KVP/Display");
        fs::remove_all(drive.root / "KVP/DisplayBU");
    }
}

TEST_F(DeploymentTest, AStopAfterAnyStepLeavesAWholeOldOrAWholeNewSetOnceTheNextRunHasLooked) {
    const fs::path pristine = drive.root.string() + "_before";
    for (const bool withJobFolder : {false, true}) {
        TwoGenerationsBehind(withJobFolder);
        const Tree before = Snapshot();
        // What a stop right after an earlier swap leaves: its manifest set aside.
        fs::create_directories(drive.root / "KVP/Display.~done");
        std::ofstream(drive.root / "KVP/Display.~done/~deploy.lst") << "files\r\n";
        fs::remove_all(pristine);
        fs::copy(drive.root, pristine, fs::copy_options::recursive);
        host.answers = {Answer::Yes};
        GenerateFiles(editor, NoProgress(), hasher);
        const Tree after = Snapshot();
        const auto sets = [](const Tree& t) {
            return std::pair{Folder(t, "KVP/Display"), Folder(t, "KVP/DisplayBU")};
        };
        ASSERT_NE(sets(before).first, sets(after).first);

        bool finished = false;
        for (long k = 0; !finished; ++k) {
            fs::remove_all(drive.root);
            fs::copy(pristine, drive.root, fs::copy_options::recursive);
            FaultyFs faulty;
            faulty.stopAfter = k;
            host.answers = {Answer::Yes};
            try {
                GenerateFiles(editor, NoProgress(), hasher, faulty);
                finished = true;
            } catch (const Stopped&) {
            }
            // What the next Generate or Verify does before anything else.
            FinishInterrupted(kDisplayFolder, DiskFs());
            const Tree now = Snapshot();
            EXPECT_TRUE(sets(now) == sets(before) || sets(now) == sets(after)) << "step " << k;
            const Tree top = Folder(now, "KVP");
            EXPECT_FALSE(top.contains("Display.~new/") || top.contains("Display.~swap/") ||
                         top.contains("DisplayBU.~old/") || top.contains("Display.~done") ||
                         top.contains("Display.~done/"))
                << "step " << k;
            ASSERT_LT(k, 100);
        }
        fs::remove_all(drive.root / "KVP/Display");
        fs::remove_all(drive.root / "KVP/DisplayBU");
    }
    fs::remove_all(pristine);
}

TEST_F(DeploymentTest, AFileThatReadsBackOtherwiseStopsTheDeploymentAndIsNamed) {
    TwoGenerationsBehind(false);
    const Tree before = Snapshot();
    for (const char* name : {"Display.axf", "logo.bm", "Fake10.fnt", "Display.dcf"}) {
        FaultyFs faulty;
        faulty.flipOnRead = name;
        host.answers = {Answer::Yes};
        try {
            GenerateFiles(editor, NoProgress(), hasher, faulty);
            ADD_FAILURE() << name;
        } catch (const IoError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string("Nothing in C:\\KVP\\Display\\ was changed. The file ") + name +
                          " did not read back as it was written.")
                << name;
        }
        EXPECT_EQ(Snapshot(), before) << name;
    }
}

} // namespace
} // namespace pw
