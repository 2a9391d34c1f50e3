#include "config/dcf_file.h"
#include "shell/layout_commands.h"
#include "shell/layout_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/window_commands.h"
#include "support/editor_fixture.h"
#include "support/temp_drive.h"

#include <algorithm>
#include <chrono>
#include <csignal>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace pw {
namespace {

class LayoutFileTest : public EditorTest {
protected:
    TempDrive drive;
    void SetUp() override {
        EditorTest::SetUp();
        CreateFolders("C:\\KVP\\Work");
    }
    std::string Read(const std::string& path) { return ReadFileBytes(path, 1 << 20); }
    void SetStamp(const std::string& path, std::chrono::seconds offset) {
        fs::last_write_time(MapPath(path), fs::file_time_type::clock::now() + offset);
    }
};

TEST_F(LayoutFileTest, SaveAsAddsTheExtensionAndNamesTheLayout) {
    host.saveFiles = {std::string("C:\\KVP\\Work\\lobby")};
    EXPECT_TRUE(SaveAs1Click(editor));
    EXPECT_EQ(editor.doc.LayoutFileName, "C:\\KVP\\Work\\lobby.dcf");
    EXPECT_EQ(views.captions.back(), "PW C:\\KVP\\Work\\lobby.dcf");
    EXPECT_TRUE(FileExists("C:\\KVP\\Work\\lobby.dcf"));
    EXPECT_FALSE(FileExists("C:\\KVP\\Work\\lobby.~dc")); // no backup on the first save
    ASSERT_EQ(host.fileRequests.size(), 1u);
    EXPECT_EQ(host.fileRequests[0].filter, "Display config( *.dcf)|*.dcf");
    EXPECT_EQ(host.fileRequests[0].initialDir, "c:\\KVP\\Work");
}

TEST_F(LayoutFileTest, SaveAsKeepsAnotherExtensionAndItsBackupReplacesIt) {
    host.saveFiles = {std::string("C:\\KVP\\Work\\lobby.txt")};
    SaveAs1Click(editor);
    Save1Click(editor);
    EXPECT_TRUE(FileExists("C:\\KVP\\Work\\lobby.txt"));
    EXPECT_TRUE(FileExists("C:\\KVP\\Work\\lobby.~dc"));
}

TEST_F(LayoutFileTest, CancellingSaveAsWritesNothing) {
    views.captions.clear();
    Save1Click(editor); // no file name yet: Save acts as Save As
    EXPECT_EQ(host.fileRequests.size(), 1u);
    EXPECT_TRUE(editor.doc.LayoutFileName.empty());
    EXPECT_TRUE(views.captions.empty());
    EXPECT_TRUE(fs::is_empty(drive.root / "KVP" / "Work"));
}

TEST_F(LayoutFileTest, TheBackupHoldsWhatTheFirstOfTwoSavesWrote) {
    const std::string path = "C:\\KVP\\Work\\lobby.dcf";
    SaveLayout(editor.doc, path);
    const std::string first = Read(path);
    NewWindow(editor.doc.layout).Text.Set(0, "second");
    SaveLayout(editor.doc, path);
    EXPECT_EQ(Read("C:\\KVP\\Work\\lobby.~dc"), first);
    EXPECT_NE(Read(path), first);
    EXPECT_EQ(Read(path), WriteLayoutText(editor.doc.layout));
}

TEST_F(LayoutFileTest, ALayoutWrittenInManyPiecesIsItsText) {
    for (int i = 0; i < 60; ++i) {
        cWindow& w = NewWindow(editor.doc.layout);
        for (int k = 0; k < kIndexCount; ++k)
            w.Text.Set(k, std::string(80, static_cast<char>('a' + k % 26)));
    }
    const std::string path = "C:\\KVP\\Work\\big.dcf";
    SaveLayout(editor.doc, path);
    const std::string text = WriteLayoutText(editor.doc.layout);
    ASSERT_GT(text.size(), 2 * (256u << 10)) << "more than two of the pieces it is written in";
    EXPECT_EQ(Read(path), text);
}

TEST_F(LayoutFileTest, AFailedSaveLeavesTheFileAndItsBackupAsTheyWere) {
    const std::string path = "C:\\KVP\\Work\\lobby.dcf";
    SaveLayout(editor.doc, path);
    SaveLayout(editor.doc, path);
    const std::string file = Read(path), backup = Read("C:\\KVP\\Work\\lobby.~dc");
    // A file size limit makes the write fail half-way, for any user.
    NewWindow(editor.doc.layout).Text.Set(0, std::string(5000, 'x'));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 2048;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(SaveLayout(editor.doc, path), IoError);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(drive.root / "KVP" / "Work")) ++entries;
    EXPECT_EQ(entries, 2); // no temporary file left behind
    EXPECT_EQ(Read(path), file);
    EXPECT_EQ(Read("C:\\KVP\\Work\\lobby.~dc"), backup);
}

TEST_F(LayoutFileTest, AFolderInTheWayOfTheFileOrItsBackupRefusesTheSaveAndChangesNothing) {
    const fs::path work = drive.root / "KVP" / "Work";
    fs::create_directories(work / "plans.dcf");
    SaveLayout(editor.doc, "C:\\KVP\\Work\\lobby.txt");
    fs::create_directories(work / "lobby.~dc" / "keep"); // where the backup of lobby.txt goes
    const auto entries = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(work))
            names.push_back(fs::relative(e.path(), work).string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> before = entries();
    try {
        SaveLayout(editor.doc, "C:\\KVP\\Work\\plans.dcf");
        ADD_FAILURE() << "saved onto a folder";
    } catch (const IoError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot save the layout as \"C:\\KVP\\Work\\plans.dcf\": that is a folder.");
    }
    try {
        SaveLayout(editor.doc, "C:\\KVP\\Work\\lobby.txt");
        ADD_FAILURE() << "replaced the file with no backup";
    } catch (const IoError& error) {
        EXPECT_NE(
            std::string(error.what()).find("its backup \"C:\\KVP\\Work\\lobby.~dc\" is a folder"),
            std::string::npos)
            << error.what();
    }
    EXPECT_EQ(entries(), before);
    EXPECT_TRUE(fs::is_directory(work / "plans.dcf"));

    // Save As onto the folder keeps the layout's name too.
    host.saveFiles = {std::string("C:\\KVP\\Work\\plans")};
    views.captions.clear();
    EXPECT_THROW(SaveAs1Click(editor), IoError);
    EXPECT_TRUE(editor.doc.LayoutFileName.empty());
    EXPECT_TRUE(views.captions.empty());
}

TEST_F(LayoutFileTest, LoadReplacesTheLayoutAndNamesIt) {
    cWindow& w = NewWindow(editor.doc.layout);
    w.Type = wtMessage;
    w.Text.Set(0, "hello");
    SetDisplaySize(editor.doc, editor.view, 800, 600);
    const std::string path = "C:\\KVP\\Work\\lobby.dcf";
    SaveLayout(editor.doc, path);
    ClearWindows(editor.doc.layout);
    CreateDefaultLayout(editor.doc, editor.view);
    views.captions.clear();
    LoadLayout(editor, path);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->Text[0], "hello");
    EXPECT_EQ(editor.view.canvas.Width(), 800);
    EXPECT_EQ(editor.doc.LayoutFileName, path);
    EXPECT_EQ(views.captions, (std::vector<std::string>{"PW " + path}));
    EXPECT_EQ(editor.view.canvas.Pixel(300, 300), ColourOf(42)); // redrawn
}

TEST_F(LayoutFileTest, LoadingAMissingFileDoesNothing) {
    LoadLayout(editor, "C:\\KVP\\Work\\none.dcf");
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_TRUE(editor.doc.LayoutFileName.empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LayoutFileTest, JobFieldsTheFileDoesNotNameAreCarriedOver) {
    editor.doc.layout.InputSpec.DestTime = 4321;
    WriteFileAtomically("C:\\KVP\\Work\\a.dcf",
                        "[ INPUT\r\n  Job Name = A\r\nINPUT END ]\r\n\r\n[ WINDOW\r\n"
                        "  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n\r\n");
    LoadLayout(editor, "C:\\KVP\\Work\\a.dcf");
    EXPECT_EQ(editor.doc.layout.InputSpec.JobName, "A");
    EXPECT_EQ(editor.doc.layout.InputSpec.DestTime, 4321);
}

TEST_F(LayoutFileTest, ImagesOfTheOldLayoutAreGoneAfterALoad) {
    editor.doc.images.ImageList.AcquireImage("C:\\old.bmp");
    SaveLayout(editor.doc, "C:\\KVP\\Work\\b.dcf");
    LoadLayout(editor, "C:\\KVP\\Work\\b.dcf");
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("C:\\old.bmp"), nullptr);
}

TEST_F(LayoutFileTest, WarnsOnlyWhenTheDisplaysConfigurationIsNewer) {
    const std::string path = "C:\\KVP\\Work\\c.dcf";
    SaveLayout(editor.doc, path);
    LoadLayout(editor, path); // no display configuration at all
    CreateFolders("C:\\KVP\\Display");
    WriteFileAtomically(kDefaultDisplayConfig, "x");
    SetStamp(kDefaultDisplayConfig, std::chrono::seconds(-3600));
    LoadLayout(editor, path); // the layout is later
    SetStamp(path, std::chrono::seconds(-3600));
    LoadLayout(editor, path); // equal stamps
    EXPECT_TRUE(host.messages.empty());
    SetStamp(kDefaultDisplayConfig, std::chrono::seconds(0));
    LoadLayout(editor, path);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "WARNING  the default display configuration C:\\KVP\\Display\\Display.dcf is newer "
              "than the file you are loading.");
    EXPECT_EQ(editor.doc.LayoutFileName, path); // the load went on
}

TEST_F(LayoutFileTest, StampsArePackedAsFatDateAndTime) {
    WriteFileAtomically("C:\\t.txt", "");
    const auto stamp = FileStamp("C:\\t.txt");
    ASSERT_TRUE(stamp);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ((*stamp >> 25) & 0x7F, local.tm_year + 1900 - 1980);
    EXPECT_EQ((*stamp >> 21) & 0xF, local.tm_mon + 1);
    EXPECT_EQ((*stamp >> 16) & 0x1F, local.tm_mday);
    EXPECT_FALSE(IsNotOlder("C:\\none.txt", "C:\\t.txt"));
    EXPECT_TRUE(IsNotOlder("C:\\t.txt", "C:\\none.txt"));
}

TEST_F(LayoutFileTest, AFileThatCannotBeReadLeavesThePreviousLayout) {
    cWindow& w = NewWindow(editor.doc.layout);
    w.Text.Set(0, "mine");
    w.BMP[1] = "C:\\mine.bmp";
    w.ImageHeld.set(1);
    editor.doc.layout.InputSpec.JobName = "mine";
    editor.doc.images.ImageList.AcquireImage("C:\\mine.bmp");
    editor.doc.LayoutFileName = "C:\\KVP\\Work\\mine.dcf";
    // The file fails in its last window, after its display size and a bitmap were read: the
    // whole file is read before anything is applied, so neither reaches the editor.
    WriteFileAtomically("C:\\KVP\\Work\\bad.dcf",
                        "[ INPUT\r\n  Job Name = theirs\r\nINPUT END ]\r\n[ WINDOW\r\n"
                        "  Position = 0, 0, 799, 599\r\n  Format = 0, 2\r\n  BMP = 0, 0, 0\r\n"
                        "|C:\\theirs.bmp|\r\nWINDOW END ]\r\n[ WINDOW\r\n"
                        "  Type = 1, 99999999999\r\nWINDOW END ]\r\n\r\n");
    const std::size_t sizes = views.displaySizes.size();
    EXPECT_THROW(LoadLayout(editor, "C:\\KVP\\Work\\bad.dcf"), FormatError);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->Text[0], "mine");
    EXPECT_EQ(editor.doc.layout.InputSpec.JobName, "mine");
    EXPECT_NE(editor.doc.images.ImageList.FindImage("C:\\mine.bmp"), nullptr);
    EXPECT_EQ(editor.doc.LayoutFileName, "C:\\KVP\\Work\\mine.dcf");
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("C:\\theirs.bmp"), nullptr);
    EXPECT_TRUE(host.messages.empty()); // not even the missing bitmap was looked for
    EXPECT_TRUE(views.captions.empty());
    EXPECT_EQ(views.displaySizes.size(), sizes);
    EXPECT_EQ(editor.view.canvas.Width(), 640);
    EXPECT_FALSE(editor.view.Loading);
}

TEST_F(LayoutFileTest, AFileWithoutWindowsIsNoLayout) {
    WriteFileAtomically("C:\\KVP\\Work\\empty.dcf", "[ INPUT\r\nINPUT END ]\r\n\r\n");
    EXPECT_THROW(LoadLayout(editor, "C:\\KVP\\Work\\empty.dcf"), FormatError);
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 1u);
}

TEST_F(LayoutFileTest, LoadFromTheMenuUsesTheOpenDialog) {
    SaveLayout(editor.doc, "C:\\KVP\\Work\\d.dcf");
    host.openFiles = {std::nullopt, std::string("C:\\KVP\\Work\\d.dcf")};
    Load1Click(editor);
    EXPECT_TRUE(editor.doc.LayoutFileName.empty());
    Load1Click(editor);
    EXPECT_EQ(editor.doc.LayoutFileName, "C:\\KVP\\Work\\d.dcf");
    EXPECT_EQ(host.fileRequests[0].filter, "Display config|*.dcf");
}

} // namespace
} // namespace pw
