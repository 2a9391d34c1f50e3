// Verify compares a display folder with the record of its last deployment; Restore puts the
// backed-up set back once a record vouches for it.

#include "generate/verify_display.h"

#include "shell/generate_files.h"
#include "generate/target_folder.h"
#include "platform/errors.h"
#include "support/display_job.h"
#include "support/fake_hasher.h"
#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace pw {
namespace {

class VerifyDisplayTest : public DisplayJobTest {
protected:
    std::string Read(const std::string& path) const {
        std::ifstream in(drive.root / path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void Write(const std::string& path, const std::string& bytes) const {
        std::ofstream(drive.root / path, std::ios::binary) << bytes;
    }
};

TEST_F(VerifyDisplayTest, OneFlippedByteInAnyFileAndMissingOrExtraFilesAreFound) {
    EXPECT_THROW(VerifyDisplayFolder(kDisplayFolder, hasher), IoError); // nothing recorded yet
    GenerateFiles(editor, NoProgress(), hasher);
    VerifyResult result = VerifyDisplayFolder(kDisplayFolder, hasher);
    EXPECT_TRUE(result.Agrees());
    EXPECT_EQ(VerifyText(result), "The 4 files in C:\\KVP\\Display\\ are those deployed on " +
                                      result.record.time + ".\n");
    EXPECT_EQ(result.record.layoutFile, "C:\\KVP\\Work\\job.dcf");
    EXPECT_EQ(result.record.files[0],
              (RecordedFile{"Display.axf", 7, hasher.Sha256Hex("program")}));

    for (const char* name : {"Display.axf", "logo.bm", "Fake20.fnt", "Display.dcf"}) {
        const std::string path = std::string("KVP/Display/") + name;
        const std::string good = Read(path);
        std::string bad = good;
        bad[bad.size() / 2] = static_cast<char>(bad[bad.size() / 2] ^ 0x10);
        Write(path, bad);
        result = VerifyDisplayFolder(kDisplayFolder, hasher);
        EXPECT_EQ(result.changed,
                  std::vector<std::string>{std::string(name) + ": other bytes than recorded"});
        EXPECT_FALSE(result.Agrees());
        Write(path, good);
    }

    fs::remove(drive.root / "KVP/Display/logo.bm");
    Write("KVP/Display/stray.fnt", "x");
    result = VerifyDisplayFolder(kDisplayFolder, hasher);
    EXPECT_EQ(VerifyText(result), "C:\\KVP\\Display\\ differs from the deployment of " +
                                      result.record.time +
                                      ":\nMissing:\n  logo.bm\nExtra:\n  stray.fnt\n");
}

TEST_F(VerifyDisplayTest, RestoreBringsBackTheBackedUpSetOnlyWhenItsRecordVouchesForIt) {
    GenerateFiles(editor, NoProgress(), hasher);
    const std::string first = Read("KVP/Display/Display.dcf");
    text->Text.Set(0, "Lift 2");
    GenerateFiles(editor, NoProgress(), hasher); // the first set becomes the backup
    ASSERT_NE(Read("KVP/Display/Display.dcf"), first);
    Write("KVP/Display/stray.fnt", "x");

    host.answers = {Answer::No};
    EXPECT_FALSE(RestorePrevious1Click(host, hasher, NoProgress()));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_TRUE(host.questions[0].starts_with("Restore the display files deployed on "));
    EXPECT_TRUE(
        host.questions[0].ends_with(" from C:\\KVP\\DisplayBU\\ into C:\\KVP\\Display\\ ?"));

    host.answers = {Answer::Yes};
    EXPECT_TRUE(RestorePrevious1Click(host, hasher, NoProgress()));
    EXPECT_EQ(Read("KVP/Display/Display.dcf"), first);
    EXPECT_FALSE(fs::exists(drive.root / "KVP/Display/stray.fnt"));
    EXPECT_EQ(Read("KVP/DisplayBU/Display.dcf"), first); // the backup stays
    EXPECT_TRUE(VerifyDisplayFolder(kDisplayFolder, hasher).Agrees());

    // A backup whose files changed since they were recorded is not put back.
    Write("KVP/DisplayBU/logo.bm", "changed");
    EXPECT_THROW(BackupRecord(hasher), IoError);
}

} // namespace
} // namespace pw
