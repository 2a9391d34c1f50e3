// Decoded pictures convert exactly as the bitmaps of the same pixels do, and are written as
// the 24-bit bitmaps the reader converts.

#include "images/bitmap_reader.h"
#include "images/bitmap_writer.h"
#include "images/convert_picture.h"
#include "images/picture_file.h"
#include "platform/errors.h"
#include "support/bmp_bytes.h"
#include "support/editor_fixture.h"

namespace pw {
namespace {

using Rows = std::vector<std::vector<std::uint32_t>>;
using Bytes = std::vector<std::uint8_t>;

// The rows (0xRRGGBB, top first) as a decoder hands them over.
DecodedPicture Decoded(const Rows& rows) {
    DecodedPicture picture;
    picture.Width = static_cast<std::int32_t>(rows[0].size());
    picture.Height = static_cast<std::int32_t>(rows.size());
    for (const auto& row : rows)
        for (const std::uint32_t rgb : row)
            for (const int shift : {0, 8, 16})
                picture.Pixels.push_back(static_cast<std::uint8_t>(rgb >> shift));
    return picture;
}

class ConvertPictureTest : public EditorTest {
protected:
    cImage FromBitmap(const std::string& file) {
        cImage image;
        image.FileName = "C:\\pic.bmp";
        EXPECT_NE(ReadBitmap(editor.doc.images, image, file), 0u);
        return image;
    }
    cImage FromPixels(const DecodedPicture& picture) {
        cImage image;
        image.FileName = "C:\\pic.png";
        const std::uint32_t bytes = ConvertPicture(editor.doc.images, image, picture);
        EXPECT_EQ(bytes, 20 + image.DataLength());
        return image;
    }
};

TEST_F(ConvertPictureTest, DecodedPixelsGiveTheImageOfTheSameBitmap) {
    // Width 3: rows of 9 bytes padded to 12 in the file. Teal is code 42, red 195.
    const Rows rows = {{0x20A0A0, 0x20A0A0, 0xF03030},
                       {0xFFFFFF, 0x000000, 0x000000},
                       {0x123456, 0x808080, 0x7F7F7F}};
    for (const bool dither : {false, true}) {
        editor.doc.images.Dither = dither;
        const cImage bitmap = FromBitmap(test::Bitmap24(rows));
        const cImage decoded = FromPixels(Decoded(rows));
        EXPECT_EQ(decoded.Data, bitmap.Data);
        EXPECT_EQ(decoded.Width, 3);
        EXPECT_EQ(decoded.Height, 3);
        EXPECT_EQ(decoded.Bits, 8);
        EXPECT_EQ(decoded.Transparent, 256);
        EXPECT_EQ(decoded.Dithered, dither);
    }
    // Teal, teal, red; then white, black, black.
    editor.doc.images.Dither = false;
    const Bytes data = FromPixels(Decoded(rows)).Data;
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 8), (Bytes{42, 2, 195, 255, 255, 1, 0, 255}));
}

TEST_F(ConvertPictureTest, TheCopyIsTheBitmapOfTheSamePixels) {
    const Rows rows = {{0x20A0A0, 0x102030, 0xF03030}, {0xFFFFFF, 0x000000, 0x0000FF}};
    const std::string copy = Bitmap24FileBytes(Decoded(rows));
    // The helper writes the headers as documented: 72 dots an inch, no palette, bottom-up.
    EXPECT_EQ(copy, test::Bitmap24(rows));
    EXPECT_EQ(copy.size(), 54u + 2 * 12);
    EXPECT_TRUE(ReadsAsBitmap(copy));
    EXPECT_EQ(FromBitmap(copy).Data, FromPixels(Decoded(rows)).Data);
}

TEST_F(ConvertPictureTest, APictureThatDoesNotFillItsSizeIsNotConverted) {
    DecodedPicture short_ = Decoded({{0x20A0A0, 0x20A0A0}});
    short_.Pixels.pop_back();
    DecodedPicture wide = Decoded({{0x20A0A0}});
    wide.Width = 4097;
    wide.Pixels.resize(3 * 4097);
    for (const DecodedPicture& bad : {short_, wide, DecodedPicture{}}) {
        cImage image;
        image.FileName = "C:\\pic.png";
        EXPECT_THROW(ConvertPicture(editor.doc.images, image, bad), FormatError);
        EXPECT_TRUE(image.Data.empty());
    }
}

TEST_F(ConvertPictureTest, OnlyUncompressedBottomUpOneAndTwentyFourBitBitmapsAreTheReaders) {
    const std::string colour = test::Bitmap24({{0x20A0A0}});
    const std::string mono = test::Bitmap1({"10"});
    EXPECT_TRUE(ReadsAsBitmap(colour));
    EXPECT_TRUE(ReadsAsBitmap(mono));
    auto with = [](std::string file, std::size_t at, std::uint32_t value, bool wide = true) {
        wide ? test::Set32(file, at, value) : test::Set16(file, at, value);
        return file;
    };
    EXPECT_FALSE(ReadsAsBitmap(with(colour, test::kAtBitCount, 32, false)));
    EXPECT_FALSE(ReadsAsBitmap(with(colour, test::kAtBitCount, 8, false)));
    EXPECT_FALSE(ReadsAsBitmap(with(mono, test::kAtCompression, 1)));   // run-length
    EXPECT_FALSE(ReadsAsBitmap(with(colour, test::kAtCompression, 3))); // bit fields
    EXPECT_FALSE(ReadsAsBitmap(with(colour, test::kAtHeight, static_cast<std::uint32_t>(-1))));
    EXPECT_FALSE(ReadsAsBitmap(with(colour, 14, 12))); // an OS/2 header
    EXPECT_TRUE(ReadsAsBitmap(with(colour, 14, 124))); // a Windows header of a later version
    EXPECT_FALSE(ReadsAsBitmap(colour.substr(0, 53)));
    EXPECT_FALSE(ReadsAsBitmap("\x89PNG\r\n\x1a\n" + colour));
}

} // namespace
} // namespace pw
