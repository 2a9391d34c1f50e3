#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace pw {
namespace {

// A temporary drive C for the test, removed afterwards.
class DriveTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("pw_drive_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("PANELWRIGHT_DRIVE_C");
        fs::remove_all(root);
    }
    fs::path root;
};

TEST_F(DriveTest, TheStateFolderIsOneTheEditorsPathsCanName) {
    const char* old = std::getenv("XDG_STATE_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_STATE_HOME", (root / "Zoë").c_str(), 1);
    EXPECT_EQ(MapPath(StateFolder()), root / "Zoë" / "panelwright");
    setenv("XDG_STATE_HOME", (root / "Дмитрий").c_str(), 1);
    EXPECT_EQ(MapPath(StateFolder()), root / "Panelwright" / "Recovery");
    if (old)
        setenv("XDG_STATE_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
}

TEST_F(DriveTest, DrivePathsMapBelowTheDriveRoot) {
    EXPECT_EQ(MapPath("C:\\KVP\\Display\\Display.dcf"), root / "KVP" / "Display" / "Display.dcf");
    EXPECT_EQ(MapPath("c:\\KVP\\Work"), root / "KVP" / "Work");
    EXPECT_EQ(MapPath("\\KVP\\Work\\a.bmp"), root / "KVP" / "Work" / "a.bmp");
    EXPECT_EQ(MapPath("C:/KVP//x"), root / "KVP" / "x");
    EXPECT_EQ(MapPath("/tmp/a.dcf"), fs::path("/tmp/a.dcf"));
    EXPECT_EQ(MapPath("sub\\a.bmp"), fs::path("sub/a.bmp"));
}

TEST_F(DriveTest, AFileChosenBelowADriveRootIsNamedAsLayoutsNameIt) {
    EXPECT_EQ(DrivePath(root / "KVP" / "Work" / "logo.bmp"), "C:\\KVP\\Work\\logo.bmp");
    EXPECT_EQ(DrivePath(root / "KVP" / "." / "a.dcf"), "C:\\KVP\\a.dcf");
    EXPECT_EQ(DrivePath(root), "C:\\");
    EXPECT_EQ(DrivePath(MapPath("C:\\KVP\\Work")), "C:\\KVP\\Work"); // the round trip
    // Beside the root, or above it, a path stays as it is.
    EXPECT_EQ(DrivePath(root.string() + "x/a.dcf"), root.string() + "x/a.dcf");
    EXPECT_EQ(DrivePath(root / ".." / "a.dcf"), (root.parent_path() / "a.dcf").string());
    EXPECT_EQ(DrivePath("/tmp/caf\xC3\xA9.dcf"), "/tmp/caf\xE9.dcf"); // a Windows-1252 name
}

TEST_F(DriveTest, OtherDrivesHaveRootsOfTheirOwn) {
    setenv("PANELWRIGHT_DRIVE_D", "/srv/d", 1);
    EXPECT_EQ(MapPath("D:\\x\\y"), fs::path("/srv/d/x/y"));
    unsetenv("PANELWRIGHT_DRIVE_D");
    EXPECT_EQ(DriveRoot('d').filename(), "drive_d");
}

TEST_F(DriveTest, NamesInWindows1252BecomeUtf8FileNames) {
    EXPECT_EQ(MapPath("C:\\caf\xE9.dcf"), root / "caf\xC3\xA9.dcf");
}

TEST(FileNames, SeparatorsAndExtensions) {
    EXPECT_EQ(FileNamePart("C:\\KVP\\Work\\logo.bmp"), "logo.bmp");
    EXPECT_EQ(FileNamePart("C:logo.bmp"), "logo.bmp");
    EXPECT_EQ(FileNamePart("/home/me/logo.bmp"), "logo.bmp");
    EXPECT_EQ(ChangeExtension("C:\\KVP\\Work\\lobby.dcf", ".~dc"), "C:\\KVP\\Work\\lobby.~dc");
    EXPECT_EQ(ChangeExtension("C:\\KVP\\Work\\lobby", ".~dc"), "C:\\KVP\\Work\\lobby.~dc");
    EXPECT_EQ(ChangeExtension("C:\\v1.2\\lobby", ".dcf"), "C:\\v1.2\\lobby.dcf");
    EXPECT_EQ(ChangeExtension("a.b.c", ".bm"), "a.b.bm");
}

TEST_F(DriveTest, AtomicWriteReplacesOnlyWhenComplete) {
    const std::string path = "C:\\KVP\\out.txt";
    CreateFolders("C:\\KVP");
    WriteFileAtomically(path, "first");
    EXPECT_EQ(ReadFileBytes(path, 100), "first");
    WriteFileAtomically(path, std::string("sec\0ond", 7));
    EXPECT_EQ(ReadFileBytes(path, 100), std::string("sec\0ond", 7));
    // A folder in the way makes the write fail and leaves no temporary file behind.
    fs::create_directories(root / "KVP" / "dir");
    EXPECT_THROW(WriteFileAtomically("C:\\KVP\\dir", "x"), IoError);
    int entries = 0;
    for (const auto& e : fs::directory_iterator(root / "KVP")) entries += !e.path().empty();
    EXPECT_EQ(entries, 2);
}

TEST_F(DriveTest, ReadingChecksTheSizeBeforeTakingMemory) {
    WriteFileAtomically("C:\\big.bin", std::string(1000, 'x'));
    EXPECT_THROW(ReadFileBytes("C:\\big.bin", 999), FormatError);
    EXPECT_EQ(ReadFileBytes("C:\\big.bin", 1000).size(), 1000u);
    EXPECT_THROW(ReadFileBytes("C:\\missing.bin", 1000), IoError);
    EXPECT_TRUE(FileExists("C:\\big.bin"));
    EXPECT_FALSE(FileExists("C:\\missing.bin"));
    EXPECT_FALSE(FileExists("C:\\")); // a folder is no file
}

TEST_F(DriveTest, FlushingAFolderWaitsForEveryFileOrSaysWhyItCannot) {
    // More files than there are threads to wait for them, so that each waits for several.
    fs::create_directories(root / "KVP/Set");
    for (int i = 0; i < 40; ++i) std::ofstream(root / "KVP/Set" / (std::to_string(i) + ".bm")) << i;
    EXPECT_NO_THROW(FlushFolderToDisk("C:\\KVP\\Set\\"));
    try {
        FlushFolderToDisk("C:\\KVP\\Gone\\");
        ADD_FAILURE() << "flushed a folder that is not there";
    } catch (const IoError& error) {
        EXPECT_STREQ(error.what(), "Cannot flush the files of \"C:\\KVP\\Gone\\\" to the disk. "
                                   "No such file or directory.");
    }
}

} // namespace
} // namespace pw
