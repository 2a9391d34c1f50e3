// What a deployment would change in a folder, as the question before Generate files and the
// command line's dry run tell it.

#include "generate/file_changes.h"

#include "support/temp_drive.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace pw {
namespace {

TEST(FileChangesTest, AddedChangedAndRemovedFilesAreListedWithTheirSizes) {
    TempDrive drive;
    const auto put = [&](const std::string& name, const std::string& bytes) {
        fs::create_directories(drive.root / "T");
        std::ofstream(drive.root / "T" / name, std::ios::binary) << bytes;
    };
    put("a.bm", "abc");
    put("b.fnt", "same");
    put("c.fnt", "old");
    put(".hidden", "h");
    put("ro.bm", "r");
    fs::permissions(drive.root / "T/ro.bm", fs::perms::owner_read);
    fs::create_directories(drive.root / "T/sub");

    const DisplayFileSet set = {{"b.fnt", "same"}, {"a.bm", "abcd"}, {"d.fnt", "x"}};
    const FileChanges changes = ChangesIn("C:\\T\\", set);
    // Hidden and read-only files and folders stay whatever a deployment does.
    EXPECT_EQ(ChangesText("C:\\T\\", changes), "In C:\\T\\:\n"
                                               "Added:\n"
                                               "  d.fnt  1 byte\n"
                                               "Changed:\n"
                                               "  a.bm  3 bytes -> 4 bytes\n"
                                               "Removed:\n"
                                               "  c.fnt  3 bytes\n"
                                               "1 file stays as it is.\n");

    // A folder not made yet gets every file; the same bytes change nothing.
    EXPECT_EQ(ChangesText("C:\\New\\", ChangesIn("C:\\New\\", {{"b.fnt", "same"}})),
              "In C:\\New\\:\nAdded:\n  b.fnt  4 bytes\n");
    EXPECT_EQ(
        ChangesText("C:\\T\\",
                    ChangesIn("C:\\T\\", {{"a.bm", "abc"}, {"b.fnt", "same"}, {"c.fnt", "old"}})),
        "In C:\\T\\:\nNothing changes.\n3 files stay as they are.\n");
}

} // namespace
} // namespace pw
