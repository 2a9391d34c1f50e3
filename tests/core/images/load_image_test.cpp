#include "images/load_image.h"

#include "shell/editor.h"
#include "support/bmp_bytes.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"
#include "support/temp_drive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pw {
namespace {

using Bytes = std::vector<std::uint8_t>;

class LoadImageTest : public ::testing::Test {
protected:
    TempDrive drive;
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};

    // Writes the file as C:\Work\<name> and gives that name.
    std::string Put(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(drive.root / "Work");
        std::ofstream(drive.root / "Work" / name, std::ios::binary) << bytes;
        return "C:\\Work\\" + name;
    }
};

TEST_F(LoadImageTest, TheFirstLoadReadsTheFileLaterOnesShareTheImage) {
    const std::string name = Put("two.bmp", test::Bitmap24({{0x20A0A0, 0x20A0A0}}));
    cImage* image = LoadImage(editor.doc.images, name);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->RefCount, 1u);
    EXPECT_EQ(image->Data, (Bytes{42, 255}));
    EXPECT_EQ(image->Transparent, 256);

    // Even a changed file is not read again while its image is stored.
    Put("two.bmp", test::Bitmap24({{0xF03030, 0xF03030}}));
    image->Transparent = 42;
    editor.doc.images.Dither = true;
    EXPECT_EQ(LoadImage(editor.doc.images, name), image);
    EXPECT_EQ(image->RefCount, 2u);
    EXPECT_EQ(image->Data, (Bytes{42, 255}));
    EXPECT_EQ(image->Transparent, 42);
    EXPECT_FALSE(image->Dithered);
    EXPECT_EQ(LoadImage(editor.doc.images, ""), nullptr);
}

TEST_F(LoadImageTest, AMissingFileIsReportedAndLeavesAnEmptyImage) {
    cImage* image = LoadImage(editor.doc.images, "C:\\Work\\gone.bmp");
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "File C:\\Work\\gone.bmp cannot be found. It may need to be "
                                     "copied to the \\KVP\\Work directory.");
    EXPECT_EQ(host.messages[0].caption, "");
    EXPECT_EQ(image->RefCount, 1u);
    EXPECT_EQ(image->Width, 0);
    EXPECT_EQ(image->Bits, 0);
    EXPECT_EQ(image->Transparent, 0);
    EXPECT_EQ(image->DataLength(), 0u);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("C:\\Work\\gone.bmp"), image);
}

TEST_F(LoadImageTest, ARefusedFileLeavesNoImageBehind) {
    const std::string good = Put("good.bmp", test::Bitmap1({"10"}));
    ASSERT_NE(LoadImage(editor.doc.images, good), nullptr);
    const std::string bad = Put("bad.bmp", "GIF89a, which is no bitmap");
    EXPECT_EQ(LoadImage(editor.doc.images, bad), nullptr);
    EXPECT_EQ(host.messages.back().caption, "FILE TYPE ERROR");
    EXPECT_EQ(editor.doc.images.ImageList.FindImage(bad), nullptr);
    ASSERT_EQ(editor.doc.images.ImageList.Images().size(), 1u);
    EXPECT_EQ(editor.doc.images.ImageList.Images()[0]->RefCount, 1u);
}

TEST_F(LoadImageTest, AFileTooLargeToBeABitmapIsRefusedUnread) {
    const std::string name = Put("huge.bmp", "BM");
    // Sparse: the size is there, the bytes never are.
    std::filesystem::resize_file(drive.root / "Work" / "huge.bmp", kMaxBitmapFileBytes + 1);
    EXPECT_EQ(LoadImage(editor.doc.images, name), nullptr);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "FILE TYPE ERROR");
    EXPECT_NE(host.messages[0].text.find("too large"), std::string::npos);
    EXPECT_TRUE(editor.doc.images.ImageList.Images().empty());
}

} // namespace
} // namespace pw
