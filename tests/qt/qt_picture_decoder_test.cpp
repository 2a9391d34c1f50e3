// Pictures decoded by Qt convert to the display's codes exactly as the bitmaps of the same
// pixels, and no picture too large is decoded at all.

#include "images/bitmap_reader.h"
#include "images/bm_file.h"
#include "images/convert_picture.h"
#include "qt/qt_picture_decoder.h"
#include "support/editor_fixture.h"
#include "support/picture_bytes.h"

namespace pw {
namespace {

using Bytes = std::vector<std::uint8_t>;

class QtPictureDecoderTest : public EditorTest {
protected:
    QtPictureDecoder decoder;

    PictureDecoding Decode(const std::string& file) { return decoder.Decode(file, 4096); }

    // The .bm file of the picture as decoded and converted.
    std::string Decoded(const std::string& file) {
        const PictureDecoding decoded = Decode(file);
        EXPECT_EQ(decoded.result, PictureDecoding::Result::Decoded);
        cImage image;
        image.FileName = "C:\\pic";
        ConvertPicture(editor.doc.images, image, decoded.picture);
        return BitmapFileBytes(image);
    }
    Bytes DecodedData(const std::string& file) {
        const std::string bm = Decoded(file);
        return Bytes(bm.begin() + 20, bm.end());
    }
    // The .bm file of a bitmap the core reads itself.
    std::string ReadByTheCore(const std::string& file) {
        cImage image;
        image.FileName = "C:\\pic.bmp";
        EXPECT_NE(ReadBitmap(editor.doc.images, image, file), 0u);
        return BitmapFileBytes(image);
    }
};

TEST_F(QtPictureDecoderTest, ABitmapAndThePngOfItsPixelsGiveTheSameDisplayBitmap) {
    // Palette colours and colours between them, on rows of 5 pixels (15 bytes, padded to 16).
    const std::vector<std::vector<std::uint32_t>> rows = {
        {0x20A0A0, 0xF03030, 0x123456, 0xFFFFFF, 0x000000},
        {0x7F7F7F, 0x808080, 0x10EE90, 0x20A0A0, 0x20A0A1},
        {0xFEFEFE, 0x0A0B0C, 0xC0FFEE, 0xBADA55, 0x5A5A5A}};
    QImage png(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) png.setPixel(x, y, 0xFF000000 | rows[y][x]);
    for (const bool dither : {false, true}) {
        editor.doc.images.Dither = dither;
        const std::string bitmap = ReadByTheCore(test::Bitmap24(rows));
        EXPECT_EQ(Decoded(test::Png(png)), bitmap) << "dither " << dither;
        // The same pixels in a bitmap the core leaves to Qt: 32 bits a pixel.
        EXPECT_EQ(Decoded(test::Bitmap32(rows)), bitmap) << "dither " << dither;
    }
}

TEST_F(QtPictureDecoderTest, PalettesFourthBytesAndAlphaGiveTheCodesOfTheColoursShown) {
    // Codes: black 0, teal (32, 160, 160) 42, red (240, 48, 48) 195, white 255.
    const std::vector<std::uint32_t> palette = {0x000000, 0x20A0A0, 0xF03030, 0xFFFFFF};
    EXPECT_EQ(DecodedData(test::Bitmap8(palette, {{1, 1, 2, 3}, {0, 0, 0, 0}})),
              (Bytes{42, 2, 195, 1, 255, 255, 0, 255}));

    // The same top row compressed: runs of (count, index), then end of row, end of picture.
    std::string rle = test::Headers(4, 1, 8, palette, 10);
    test::Set32(rle, test::kAtCompression, 1);
    rle += std::string("\2\1\1\2\1\3\0\0\0\1", 10);
    EXPECT_EQ(DecodedData(rle), (Bytes{42, 2, 195, 1, 255, 255}));

    // The fourth byte of a 32-bit pixel is not alpha in this kind of file: 0 shows the colour.
    EXPECT_EQ(DecodedData(test::Bitmap32({{0x0020A0A0, 0x00F03030, 0x80FFFFFF}})),
              (Bytes{42, 1, 195, 1, 255, 255}));

    // On black: (64, 192, 64) at alpha 128 shows (32, 96, 32), code 18 (R 0, G 1, B 0, grey
    // 2); white at alpha 0 shows black.
    EXPECT_EQ(DecodedData(test::PngRow({0xFFF03030, 0x8040C040, 0x00FFFFFF, 0xFF20A0A0})),
              (Bytes{195, 1, 18, 1, 0, 1, 42, 255}));
}

TEST_F(QtPictureDecoderTest, APictureTooLargeIsRefusedFromItsHeaderAlone) {
    // The file holds one pixel's data: decoding it could only fail.
    const PictureDecoding huge = Decode(test::PngClaiming(60000, 60000));
    EXPECT_EQ(huge.result, PictureDecoding::Result::TooLarge);
    EXPECT_EQ(huge.width, 60000);
    EXPECT_EQ(huge.height, 60000);
    EXPECT_TRUE(huge.picture.Pixels.empty());

    const PictureDecoding tall = Decode(test::PngClaiming(1, 4097));
    EXPECT_EQ(tall.result, PictureDecoding::Result::TooLarge);
    QImage longest(4096, 1, QImage::Format_RGB32);
    longest.fill(0xFF20A0A0);
    const PictureDecoding fits = Decode(test::Png(longest));
    EXPECT_EQ(fits.result, PictureDecoding::Result::Decoded);
    EXPECT_EQ(fits.picture.Pixels.size(), 3u * 4096);

    EXPECT_EQ(Decode("not a picture at all").result, PictureDecoding::Result::Unknown);
}

} // namespace
} // namespace pw
