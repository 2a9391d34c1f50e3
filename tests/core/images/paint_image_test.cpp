#include "images/paint_image.h"

#include "images/bitmap_reader.h"
#include "display/colour.h"
#include "shell/editor.h"
#include "support/bmp_bytes.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

constexpr ScreenColour kUntouched = 0xFF123456; // no palette colour

class PaintImageTest : public ::testing::Test {
protected:
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};
    RasterCanvas canvas{40, 20, kUntouched};

    cImage Picture(int width, int height, int bits, std::vector<std::uint8_t> data,
                   int transparent = kTransparent) {
        cImage image;
        image.Width = width;
        image.Height = height;
        image.Bits = bits;
        image.Transparent = transparent;
        image.Data = std::move(data);
        return image;
    }
    // Row y of the canvas from x0, as display colour codes; -1 for an untouched pixel.
    std::vector<int> Codes(int x0, int y, int count) const {
        std::vector<int> codes;
        for (int x = x0; x < x0 + count; ++x) {
            const ScreenColour c = canvas.Pixel(x, y);
            int code = -1;
            for (int k = 0; k < 256; ++k)
                if (ColourOf(k) == c) code = k;
            codes.push_back(code);
        }
        return codes;
    }
};

TEST_F(PaintImageTest, ARead24BitPicturePaintsBackItsCodes) {
    constexpr std::uint32_t teal = 0x20A0A0, red = 0xF03030, white = 0xFFFFFF;
    cImage image;
    ReadBitmap(editor.doc.images, image,
               test::Bitmap24({{teal, teal, red, red, red}, {white, red, red, red, teal}}));
    PaintImage(image, 3, 2, canvas, 0, 0);
    EXPECT_EQ(Codes(2, 2, 7), (std::vector<int>{-1, 42, 42, 195, 195, 195, -1}));
    EXPECT_EQ(Codes(2, 3, 7), (std::vector<int>{-1, 255, 195, 195, 195, 42, -1}));
    EXPECT_EQ(Codes(3, 4, 5), std::vector<int>(5, -1));
}

TEST_F(PaintImageTest, ARead1BitPicturePaintsSetInFillAndClearInLine) {
    cImage image;
    ReadBitmap(editor.doc.images, image, test::Bitmap1({"1110011111", "0011111111"}));
    PaintImage(image, 0, 0, canvas, 12, 195);
    EXPECT_EQ(Codes(0, 0, 11),
              (std::vector<int>{195, 195, 195, 12, 12, 195, 195, 195, 195, 195, -1}));
    EXPECT_EQ(Codes(0, 1, 11),
              (std::vector<int>{12, 12, 195, 195, 195, 195, 195, 195, 195, 195, -1}));
    // A transparent line colour leaves the clear runs as they were.
    canvas.Fill(kUntouched);
    PaintImage(image, 0, 0, canvas, kTransparent, 195);
    EXPECT_EQ(Codes(0, 1, 3), (std::vector<int>{-1, -1, 195}));
}

TEST_F(PaintImageTest, RunsOf255AreLengthsNotRowEnds) {
    RasterCanvas wide(600, 1, kUntouched);
    // 255 set, 254 clear, the rest (to 520) set again.
    const cImage image = Picture(520, 1, 1, {254, 1, 254, 0, 255});
    PaintImage(image, 0, 0, wide, 0, 255);
    EXPECT_EQ(wide.Pixel(254, 0), ColourOf(255));
    EXPECT_EQ(wide.Pixel(255, 0), ColourOf(0));
    EXPECT_EQ(wide.Pixel(508, 0), ColourOf(0));
    EXPECT_EQ(wide.Pixel(509, 0), ColourOf(255));
    EXPECT_EQ(wide.Pixel(519, 0), ColourOf(255));
    EXPECT_EQ(wide.Pixel(520, 0), kUntouched);
}

TEST_F(PaintImageTest, TheTransparentCodeIsNotPainted) {
    const cImage image = Picture(6, 1, 8, {42, 2, 195, 3, 42, 255}, 42);
    PaintImage(image, 0, 0, canvas, 0, 0);
    EXPECT_EQ(Codes(0, 0, 7), (std::vector<int>{-1, -1, 195, 195, 195, -1, -1}));
}

TEST_F(PaintImageTest, AnImageWithoutDataPaintsNothing) {
    PaintImage(cImage{}, 0, 0, canvas, 0, 255);
    PaintImage(Picture(10, 10, 8, {}), 0, 0, canvas, 0, 255);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) ASSERT_EQ(canvas.Pixel(x, y), kUntouched);
}

TEST_F(PaintImageTest, DamagedDataStaysInsideItsBuffer) {
    // A length of a million 254s, a run past the right edge, and data that stops mid-row.
    std::vector<std::uint8_t> data(1000000, 254);
    data.push_back(3);
    const cImage huge = Picture(10, 3, 8, data);
    PaintImage(huge, 0, 0, canvas, 0, 0);
    EXPECT_EQ(Codes(0, 0, 1), (std::vector<int>{254}));
    const cImage past = Picture(4, 2, 8, {42, 9, 195}); // 42 over 9 pixels, then the data ends
    canvas.Fill(kUntouched);
    PaintImage(past, 0, 0, canvas, 0, 0);
    EXPECT_EQ(Codes(0, 0, 10), (std::vector<int>{42, 42, 42, 42, 42, 42, 42, 42, 42, -1}));
    EXPECT_EQ(Codes(0, 1, 4), std::vector<int>(4, -1));
}

} // namespace
} // namespace pw
