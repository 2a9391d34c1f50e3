#include "images/bitmap_reader.h"

#include "display/colour.h"
#include "reference/bitmap_reference.h"
#include "shell/editor.h"
#include "support/bmp_bytes.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"
#include "support/recording_views.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace pw {
namespace {

using test::Bitmap1;
using test::Bitmap24;
using test::Bits;
using test::Row;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kTeal = 0x20A0A0; // code 42
constexpr std::uint32_t kRed = 0xF03030;  // code 195

class BitmapReaderTest : public ::testing::Test {
protected:
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};
    RecordingViews views{editor};
    cImage& image = *editor.doc.images.ImageList.AcquireImage("C:\\Work\\pic.bmp");

    std::uint32_t Read(const std::string& file) { return ReadBitmap(editor.doc.images, image, file); }

    // The file is refused with the text, in a "FILE TYPE ERROR" box, leaving no data.
    void ExpectRefused(const std::string& file, const std::string& text) {
        host.messages.clear();
        EXPECT_EQ(Read(file), 0u);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, text);
        EXPECT_EQ(host.messages[0].caption, "FILE TYPE ERROR");
        EXPECT_TRUE(image.Data.empty());
    }
    // Refused with a message that names the file.
    void ExpectRefusedNaming(const std::string& file, const std::string& part) {
        host.messages.clear();
        EXPECT_EQ(Read(file), 0u);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].caption, "FILE TYPE ERROR");
        EXPECT_NE(host.messages[0].text.find("C:\\Work\\pic.bmp"), std::string::npos)
            << host.messages[0].text;
        EXPECT_NE(host.messages[0].text.find(part), std::string::npos) << host.messages[0].text;
        EXPECT_TRUE(image.Data.empty());
    }
};

TEST_F(BitmapReaderTest, TwoColourRowsAlternateSetAndClearRunsStartingWithSet) {
    EXPECT_EQ(Read(Bitmap1({"1110011111", "0011111111"})), 26u);
    EXPECT_EQ(image.Data, (Bytes{3, 2, 255, 0, 2, 255}));
    EXPECT_EQ(image.Width, 10);
    EXPECT_EQ(image.Height, 2);
    EXPECT_EQ(image.Bits, 1);
    EXPECT_EQ(image.Transparent, 256);
    EXPECT_EQ(image.Spare, 0);
    EXPECT_FALSE(image.Dithered);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BitmapReaderTest, AnInvertedPaletteStillTakesBitValueOneAsSet) {
    Read(Bitmap1({"1110011111", "0011111111"}, /*inverted=*/true));
    EXPECT_EQ(image.Data, (Bytes{3, 2, 255, 0, 2, 255}));
}

TEST_F(BitmapReaderTest, ColourCodeRowsPairCodesWithTheirRuns) {
    EXPECT_EQ(Read(Bitmap24({{kTeal, kTeal, kRed, kRed, kRed}})), 24u);
    EXPECT_EQ(image.Data, (Bytes{42, 2, 195, 255}));
    EXPECT_EQ(image.Bits, 8);
    EXPECT_EQ(image.Width, 5);
}

TEST_F(BitmapReaderTest, AOneColourPictureTakesTwoBytesARow) {
    // (250, 0, 0) is no palette colour; its nearest is 192.
    Read(Bitmap24({Row(7, 0xFA0000), Row(7, 0xFA0000), Row(7, 0xFA0000)}));
    EXPECT_EQ(image.Data, (Bytes{192, 255, 192, 255, 192, 255}));
}

TEST_F(BitmapReaderTest, LongRunsAreWrittenInPiecesOf254) {
    Read(Bitmap1({Bits(254, '1') + Bits(255, '0'), Bits(255, '1') + Bits(254, '0'),
                  Bits(508, '1') + Bits(1, '0')}));
    EXPECT_EQ(image.Data, (Bytes{254, 0, 255, 254, 1, 255, 254, 254, 0, 255}));

    auto row = [](int teal) {
        std::vector<std::uint32_t> r = Row(256, kRed);
        std::fill(r.begin(), r.begin() + teal, kTeal);
        return r;
    };
    Read(Bitmap24({row(254), row(255)}));
    EXPECT_EQ(image.Data, (Bytes{42, 254, 0, 195, 255, 42, 254, 1, 195, 255}));
}

TEST_F(BitmapReaderTest, DitheringStartsEveryRowAfresh) {
    // Dithered, (8, 8, 8) alternates black (leaving -8) and code 1 (16, 16, 16, leaving 0).
    // Each row of three ends owing -8; a row that inherited it would start with code 1.
    const std::string file = Bitmap24({Row(3, 0x080808), Row(3, 0x080808)});
    editor.doc.images.Dither = true;
    Read(file);
    EXPECT_EQ(image.Data, (Bytes{0, 1, 1, 1, 0, 255, 0, 1, 1, 1, 0, 255}));
    EXPECT_TRUE(image.Dithered);
    editor.doc.images.Dither = false;
    Read(file);
    EXPECT_EQ(image.Data, (Bytes{0, 255, 0, 255}));
    EXPECT_FALSE(image.Dithered);
}

TEST_F(BitmapReaderTest, DitheredRowsAreThoseOfThePlainConversionInAnyNumber) {
    // Rows are converted a few at a time; seven make a full group and a short one.
    std::mt19937 random(7);
    std::vector<std::vector<std::uint32_t>> rows(7);
    for (auto& row : rows)
        for (int x = 0; x < 13; ++x) row.push_back(random() & 0xFFFFFF);
    const std::string file = Bitmap24(rows);
    editor.doc.images.Dither = true;
    Read(file);
    std::istringstream in(file);
    EXPECT_EQ(image.Data, reference::ConvertBitmap(editor.doc.images, in));
}

TEST_F(BitmapReaderTest, TheInformationLineIsShownBeforeThePixelsAreRead) {
    Read(Bitmap1({"1110011111", "0011111111"}));
    ASSERT_EQ(views.imageInfos.size(), 1u);
    EXPECT_EQ(views.imageInfos[0],
              "    Bytes = 20    Width = 10    Height = 2    Colours = 2    Transparent = 256");
    EXPECT_EQ(views.captions.back(), "C:\\Work\\pic.bmp");
}

TEST_F(BitmapReaderTest, ColourCodeReadingReportsEveryTenthRow) {
    std::vector<std::vector<std::uint32_t>> rows(25, Row(1, kTeal));
    Read(Bitmap24(rows));
    EXPECT_EQ(views.progress, (std::vector<std::string>{"Row 10 of 25", "Row 20 of 25"}));
    views.progress.clear();
    Read(Bitmap1(std::vector<std::string>(25, "1")));
    EXPECT_TRUE(views.progress.empty());
}

TEST_F(BitmapReaderTest, AHeaderOtherThanTheWindowsOneIsRefusedForWhatItIs) {
    // An OS/2 file: a 12-byte header of 16-bit width and height, then planes and bit count,
    // here 2 x 1 pixels of 24 bits; its compression field would be read from its pixels.
    std::string os2 = "BM";
    test::Put32(os2, 26 + 8);
    test::Put32(os2, 0);
    test::Put32(os2, 26);
    test::Put32(os2, 12);
    for (const std::uint32_t field : {2, 1, 1, 24}) test::Put16(os2, field);
    os2 += std::string("\x01\x02\x03\x04\x05\x06\0\0", 8) + std::string(20, '\x07');
    ExpectRefused(os2, "The bitmap C:\\Work\\pic.bmp has an information header of 12 bytes (an "
                       "old OS/2 bitmap, perhaps), where 40 are needed. Save it again with "
                       "Paint.exe.");

    std::string planes = Bitmap24({Row(2, kTeal)});
    test::Set16(planes, 26, 3);
    ExpectRefused(planes, "The bitmap C:\\Work\\pic.bmp is damaged: it declares 3 colour "
                          "planes, where a bitmap has 1.");
    // A longer header (version 4 or 5) has the same fields in the same places.
    std::string longer = Bitmap24({Row(2, kTeal)});
    test::Set32(longer, 14, 124);
    longer.insert(54, std::string(84, '\0'));
    test::Set32(longer, test::kAtPixelOffset, 54 + 84);
    EXPECT_EQ(Read(longer), 22u);
}

TEST_F(BitmapReaderTest, TheThreeKindsOfFileThatAreNoUsableBitmap) {
    ExpectRefused("PK\3\4 not a bitmap at all, but long enough to hold the headers of one.....",
                  "The specified file was NOT a bit map.");
    ExpectRefused("", "The specified file was NOT a bit map.");

    std::string compressed = Bitmap24({Row(2, kTeal)});
    test::Set32(compressed, test::kAtCompression, 1);
    ExpectRefused(compressed, "Only uncompressed images supported, sorry.");

    const std::string paint = "Please convert this image to a black and white or 24 bit colour "
                              "image with Paint.exe.";
    const std::string eightBit =
        test::Headers(4, 2, 8, std::vector<std::uint32_t>(256, 0), 8) + std::string(8, '\0');
    views.imageInfos.clear();
    ExpectRefused(eightBit, paint);
    // The facts were shown before the bit count was judged.
    ASSERT_EQ(views.imageInfos.size(), 1u);
    EXPECT_EQ(views.imageInfos[0],
              "    Bytes = 20    Width = 4    Height = 2    Colours = 256    Transparent = 256");
    const std::string fourBit =
        test::Headers(8, 2, 4, std::vector<std::uint32_t>(16, 0), 8) + std::string(8, '\0');
    ExpectRefused(fourBit, paint);
    EXPECT_NE(views.imageInfos.back().find("Colours = 2 "), std::string::npos);
}

TEST_F(BitmapReaderTest, DamagedHeadersAreRefusedNamingTheFile) {
    const std::string good = Bitmap24({Row(2, kTeal), Row(2, kRed)});
    ExpectRefusedNaming(good.substr(0, 30), "ends inside its headers");

    auto with = [&](std::size_t at, std::uint32_t value, std::string file) {
        test::Set32(file, at, value);
        return file;
    };
    ExpectRefusedNaming(with(test::kAtWidth, 0, good), "no pixels");
    ExpectRefusedNaming(with(test::kAtHeight, 0, good), "no pixels");
    ExpectRefusedNaming(with(test::kAtWidth, static_cast<std::uint32_t>(-2), good), "no pixels");
    ExpectRefusedNaming(with(test::kAtHeight, static_cast<std::uint32_t>(-2), good), "top down");
    ExpectRefusedNaming(with(test::kAtWidth, 4097, good), "is 4097 x 2 pixels; at most 4096");
    ExpectRefusedNaming(with(test::kAtHeight, 4097, good), "at most 4096");
    ExpectRefusedNaming(with(test::kAtWidth, 0x7FFFFFFF, good), "at most 4096");
    ExpectRefusedNaming(with(test::kAtPixelOffset, 20, good), "inside its headers");
    ExpectRefusedNaming(with(test::kAtPixelOffset, 0xFFFFFFF0u, good), "past the end");
    ExpectRefusedNaming(with(test::kAtPixelOffset, static_cast<std::uint32_t>(good.size()), good),
                        "past the end");
    // A size that fits the bound but not the file.
    ExpectRefusedNaming(with(test::kAtHeight, 4096, good), "cut short");
}

TEST_F(BitmapReaderTest, APixelArrayCutShortIsRefusedButTheLastRowNeedsNoPadding) {
    // Rows of two pixels take 6 bytes and are padded to 8; the top row comes last.
    const std::string good = Bitmap24({Row(2, kTeal), Row(2, kRed)});
    EXPECT_EQ(Read(good.substr(0, good.size() - 2)), 24u);
    EXPECT_EQ(image.Data, (Bytes{42, 255, 195, 255}));
    ExpectRefusedNaming(good.substr(0, good.size() - 3), "cut short");

    const std::string mono = Bitmap1({"1010", "0101"});
    ExpectRefusedNaming(mono.substr(0, mono.size() - 4), "cut short");
}

TEST_F(BitmapReaderTest, ATwoColourFileWithAnOddPaletteIsRefused) {
    std::string many = Bitmap1({"10", "01"});
    test::Set32(many, test::kAtColoursUsed, 16);
    ExpectRefusedNaming(many, "16 palette colours");

    // The palette of two entries (54..61) would run into pixels said to start at 58.
    std::string overlapping = Bitmap1({"10", "01"});
    test::Set32(overlapping, test::kAtPixelOffset, 58);
    ExpectRefusedNaming(overlapping, "palette runs into its pixels");
}

} // namespace
} // namespace pw
