// Generate files from the command line, run as a user runs it, over repeated generations.

#include "support/bmp_bytes.h"
#include "support/temp_drive.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>

namespace pw {
namespace {

struct CliRun {
    int exitCode;
    std::string out, err;
};

class CliGenerateTest : public ::testing::Test {
protected:
    TempDrive drive;

    void Put(const std::string& path, const std::string& bytes) {
        std::filesystem::create_directories((drive.root / path).parent_path());
        std::ofstream(drive.root / path, std::ios::binary) << bytes;
    }

    CliRun Cli(QStringList arguments) {
        QProcess p;
        p.start(PW_CLI_PATH,
                QStringList{"--drive-c", QString::fromStdString(drive.root.string())} + arguments);
        p.waitForFinished(60000);
        return {p.exitCode(), p.readAllStandardOutput().toStdString(),
                p.readAllStandardError().toStdString()};
    }
};

TEST_F(CliGenerateTest, WritesTheDisplayFilesAndReplacesTheDatedBackupOnlyWhenTold) {
    Put("KVP/Work/logo.bmp", test::Bitmap24({{0xFF0000, 0xFF0000}}));
    Put("KVP/Work/job.dcf",
        "[ WINDOW\r\n  Type = 0, 1\r\n  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n\r\n"
        "[ WINDOW\r\n  Type = 7, 2\r\n  FontName = Arial\r\n  FontSize = 20\r\n  Text = 0\r\n"
        "|Hello|\r\nWINDOW END ]\r\n\r\n"
        "[ WINDOW\r\n  Type = 7, 3\r\n  FontName = Arial\r\n  FontSize = 30\r\n  Text = 4\r\n"
        "|Caf\xE9|\r\nWINDOW END ]\r\n\r\n"
        "[ WINDOW\r\n  Type = 0, 4\r\n  Format = 0, 2\r\n  BMP = 0, 256, 0\r\n"
        "|C:\\KVP\\Work\\logo.bmp|\r\nWINDOW END ]\r\n\r\n");
    const std::string unshown = "The font file Arial30.fnt holds no characters above code 127, so "
                                "the display cannot show \"\xC3\xA9\" in Message Window 3.\n";
    const CliRun check = Cli({"check", "C:\\KVP\\Work\\job.dcf"});
    EXPECT_EQ(check.exitCode, 1) << check.err;
    EXPECT_NE(check.out.find(unshown), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("C:\\KVP\\Work\\job.dcf:18: error: window 3, text 4: \"Caf"),
              std::string::npos)
        << check.out;
    // Strict, the layout's error stops the run before anything is written.
    const CliRun strict = Cli({"generate", "C:\\KVP\\Work\\job.dcf", "--strict"});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_NE(strict.err.find("problems that the displays would show"), std::string::npos)
        << strict.err;
    EXPECT_FALSE(std::filesystem::exists(drive.root / "KVP/Display"));

    // Without the display program everything else is written, and the run fails.
    CliRun run = Cli({"generate", "C:\\KVP\\Work\\job.dcf"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "The display executable file - C:\\KVP\\Display.axf - is missing.\n" + unshown);
    EXPECT_EQ(run.out, "4 files written to C:\\KVP\\Display\\\n");

    Put("KVP/Display.axf", "program");
    run = Cli({"generate", "C:\\KVP\\Work\\job.dcf"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "5 files written to C:\\KVP\\Display\\\n");
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/DisplayBU/logo.bm"));
    EXPECT_FALSE(std::filesystem::exists(drive.root / "KVP/DisplayBU/Display.axf"));

    // The dated backup is replaced only when the user says so.
    run = Cli({"generate", "C:\\KVP\\Work\\job.dcf"});
    EXPECT_TRUE(run.err.starts_with("Replace backups dated ")) << run.err;
    EXPECT_NE(run.err.find(" ? -> no\n"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(drive.root / "KVP/DisplayBU/Display.axf"));
    run = Cli({"generate", "--replace-backups", "C:\\KVP\\Work\\job.dcf"});
    EXPECT_NE(run.err.find(" ? -> yes\n"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/DisplayBU/Display.axf"));

    // A dry run lists what would change and writes nothing.
    Put("KVP/Display/stale.fnt", "old");
    run = Cli({"generate", "--dry-run", "C:\\KVP\\Work\\job.dcf"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "In C:\\KVP\\Display\\:\nRemoved:\n  stale.fnt  3 bytes\n"
                       "5 files stay as they are.\n");
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/Display/stale.fnt"));

    // What was deployed verifies, and draws from its own files; a changed byte does not.
    std::filesystem::remove(drive.root / "KVP/Display/stale.fnt");
    EXPECT_EQ(Cli({"verify"}).exitCode, 0);
    run = Cli({"render-display", "C:\\KVP\\Display", "C:\\KVP\\shown.png", "--index", "4"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(drive.root / "KVP/shown.png"));
    Put("KVP/Display/Display.axf", "progran");
    run = Cli({"verify", "C:\\KVP\\Display\\"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("Changed:\n  Display.axf: other bytes than recorded\n"),
              std::string::npos)
        << run.out;

    EXPECT_EQ(Cli({"generate"}).exitCode, 2);
}

// Generate files compares the screen drawn from the files it wrote with the Static view drawn
// with the system's fonts; the example deploys, so the two agree pixel for pixel, also at
// another index and with the clock at a set time.
TEST_F(CliGenerateTest, TheExampleDrawnFromItsDisplayFilesIsItsStaticView) {
    Put("KVP/Display.axf", "program");
    std::filesystem::create_directories(drive.root / "KVP/Work");
    std::filesystem::copy_file(PW_EXAMPLES_DIR "/lobby.dcf", drive.root / "KVP/Work/lobby.dcf");
    const CliRun run = Cli({"generate", "C:\\KVP\\Work\\lobby.dcf"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "7 files written to C:\\KVP\\Display\\\n");
    EXPECT_EQ(Cli({"verify"}).exitCode, 0);
    for (const QStringList& more :
         {QStringList{}, QStringList{"--index", "2"}, QStringList{"--time", "2026-03-14T09:05"}}) {
        const CliRun shown =
            Cli(QStringList{"render-display", "C:\\KVP\\Display", "C:\\KVP\\shown.png"} + more);
        EXPECT_EQ(shown.exitCode, 0) << shown.err;
    }
}

} // namespace
} // namespace pw
