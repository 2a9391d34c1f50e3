#include "images/bm_file.h"
#include "images/run_walk.h"

#include "generate/display_files.h"
#include "images/bitmap_reader.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/editor.h"
#include "support/bmp_bytes.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"
#include "support/temp_drive.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pw {
namespace {

TEST(BitmapFileName, KeepsTheNameAndMakesItABmFile) {
    EXPECT_EQ(BitmapFileName("C:\\KVP\\Work\\logo.bmp"), "logo.bm");
    EXPECT_EQ(BitmapFileName("C:logo.BMP"), "logo.bm");
    EXPECT_EQ(BitmapFileName("/home/ann/pics/lift.arrow.bmp"), "lift.arrow.bm");
    EXPECT_EQ(BitmapFileName("D:\\odd.dir\\noext"), "noext.bm");
    EXPECT_EQ(BitmapFileName("..\\..\\up.bmp"), "up.bm");
    EXPECT_EQ(BitmapFileName(""), ".bm");
}

class BmFileTest : public ::testing::Test {
protected:
    TempDrive drive;
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};
};

TEST_F(BmFileTest, ATwoByOneOneColourPictureGivesA22ByteFile) {
    cImage& image = *editor.doc.images.ImageList.AcquireImage("C:\\Work\\pair.bmp");
    EXPECT_EQ(ReadBitmap(editor.doc.images, image, test::Bitmap24({{0x20A0A0, 0x20A0A0}})), 22u);
    EXPECT_EQ(BitmapFileBytes(image),
              std::string("\2\0\0\0\1\0\0\0\x08\0\0\0\0\1\0\0\0\0\0\0\x2A\xFF", 22));
}

TEST_F(BmFileTest, AnImageWhoseFileWasMissingWritesTheHeaderAlone) {
    EXPECT_EQ(BitmapFileBytes(*editor.doc.images.ImageList.AcquireImage("C:\\gone.bmp")),
              std::string(20, '\0'));
}

TEST_F(BmFileTest, EveryStoredImageIsADisplayFileInStoreOrder) {
    cImage& a = *editor.doc.images.ImageList.AcquireImage("C:\\A\\logo.bmp");
    cImage& b = *editor.doc.images.ImageList.AcquireImage("C:\\B\\logo.bmp");
    cImage& c = *editor.doc.images.ImageList.AcquireImage("C:\\B\\unused.bmp");
    a.Width = 1;
    b.Width = 2;
    c.Bits = 1;
    c.Transparent = 256;
    c.Data = {0, 255};
    ProgressSteps steps(NoProgress(), 0);
    const DisplayFileSet files =
        PrepareDisplayFiles(text, editor.doc.layout, editor.doc.images.ImageList, steps).files;
    // Both pictures named logo make one logo.bm: the later one is what it holds.
    ASSERT_EQ(files.size(), 3u); // and the layout
    EXPECT_EQ(files[0].name, "logo.bm");
    EXPECT_EQ(files[0].bytes.substr(0, 4), std::string("\2\0\0\0", 4));
    EXPECT_EQ(files[1].name, "unused.bm");
    EXPECT_EQ(files[1].bytes,
              std::string(8, '\0') + std::string("\1\0\0\0\0\1\0\0\0\0\0\0\0\xFF", 14));
}

TEST(ParseBitmapFile, ReadsBackTheHeaderAndData) {
    const cImage image = ParseBitmapFile(
        std::string("\5\0\0\0\1\0\0\0\x08\0\0\0\x2A\0\0\0\0\0\0\0\x2A\2\xC3\xFF", 24), "x.bm");
    EXPECT_EQ(image.Width, 5);
    EXPECT_EQ(image.Height, 1);
    EXPECT_EQ(image.Bits, 8);
    EXPECT_EQ(image.Transparent, 42);
    EXPECT_EQ(image.Data, (std::vector<std::uint8_t>{42, 2, 195, 255}));
    EXPECT_EQ(ParseBitmapFile(std::string(20, '\0'), "empty.bm").Width, 0);
}

// A photograph's display bitmap is megabytes, which take another kind of memory: written,
// read from its file and parsed, every byte comes back.
TEST_F(BmFileTest, APhotographsBitmapComesBackWholeFromItsFile) {
    cImage image;
    image.Width = 2000;
    image.Height = 1500;
    image.Bits = 8;
    image.Transparent = kTransparent;
    for (std::uint32_t i = 0; i < 3'000'017; ++i)
        image.Data.push_back(static_cast<std::uint8_t>(i * 7919 >> 3));
    const std::string bytes = BitmapFileBytes(image);
    ASSERT_EQ(bytes.size(), kBmHeaderSize + image.Data.size());
    WriteFileStraight("C:\\photo.bm", bytes);
    const std::string read = ReadFileBytes("C:\\photo.bm", bytes.size());
    ASSERT_EQ(read, bytes);
    const cImage back = ParseBitmapFile(read, "photo.bm");
    EXPECT_EQ(back.Width, 2000);
    EXPECT_EQ(back.Data, image.Data);
}

TEST(ParseBitmapFile, RefusesWhatCannotBeADisplayBitmap) {
    const auto header = [](std::int32_t w, std::int32_t h, std::int32_t bits, std::int32_t t) {
        std::string s;
        for (const std::int32_t v : {w, h, bits, t, 0})
            test::Put32(s, static_cast<std::uint32_t>(v));
        return s + "\xFF";
    };
    EXPECT_THROW(ParseBitmapFile(std::string(19, '\0'), "short.bm"), FormatError);
    EXPECT_THROW(ParseBitmapFile(header(0, 1, 8, 256), "a.bm"), FormatError);
    EXPECT_THROW(ParseBitmapFile(header(1, -1, 8, 256), "a.bm"), FormatError);
    EXPECT_THROW(ParseBitmapFile(header(16385, 1, 8, 256), "a.bm"), FormatError);
    EXPECT_THROW(ParseBitmapFile(header(1, 1, 24, 256), "a.bm"), FormatError);
    EXPECT_THROW(ParseBitmapFile(header(1, 1, 8, 257), "a.bm"), FormatError);
    EXPECT_NO_THROW(ParseBitmapFile(header(1, 1, 1, 256), "a.bm"));
    try {
        ParseBitmapFile(header(1, 1, 3, 256), "C:\\Out\\a.bm");
    } catch (const FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("C:\\Out\\a.bm"), std::string::npos);
    }
}

TEST(CheckRunData, RunsThatExactlyFillARowStillTakeItsRowEnd) {
    // Two rows 10 wide: 3 set and 7 clear pixels, then 4 set and the rest clear.
    cImage image;
    image.Width = 10;
    image.Height = 2;
    image.Bits = 1;
    image.Data = {3, 7, 255, 4, 255};
    std::vector<std::vector<int>> spans;
    const RunWalkResult walk = WalkRuns(image, [&](int row, int x1, int x2, int clear) {
        spans.push_back({row, x1, x2, clear});
    });
    EXPECT_EQ(walk.rowsEnded, 2);
    EXPECT_EQ(walk.bytesUsed, 5u);
    EXPECT_EQ(spans, (std::vector<std::vector<int>>{
                         {0, 0, 2, 0}, {0, 3, 9, 1}, {1, 0, 3, 0}, {1, 4, 9, 1}}));
    EXPECT_NO_THROW(CheckRunData(image, "fill.bm"));

    // Colour codes: 42 for all 5 pixels, then the row end where the next code would be.
    image = cImage{};
    image.Width = 5;
    image.Height = 1;
    image.Bits = 8;
    image.Data = {42, 5, 255};
    EXPECT_NO_THROW(CheckRunData(image, "fill.bm"));
    // A run beyond the edge is damage, row end or not.
    image.Data = {42, 6, 255};
    EXPECT_THROW(CheckRunData(image, "over.bm"), FormatError);
    image.Data = {42, 5, 255, 255};
    EXPECT_THROW(CheckRunData(image, "extra.bm"), FormatError);
}

} // namespace
} // namespace pw
