#include "images/sixteen_rows.h"

#include "display/colour.h"
#include "images/palette_match.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace pw {
namespace {

// Rows of pixels three bytes each, blue, green, red, as a picture holds them.
struct Picture {
    int width, height;
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(3 * width * height);

    void Set(int x, int y, int red, int green, int blue) {
        std::uint8_t* p = &bytes[3 * (y * width + x)];
        p[0] = static_cast<std::uint8_t>(blue);
        p[1] = static_cast<std::uint8_t>(green);
        p[2] = static_cast<std::uint8_t>(red);
    }
    PixelRows TopDown() const { return {bytes.data(), 3 * width, width, height}; }
    // The last row in memory first, as a bitmap file stores them.
    PixelRows BottomUp() const {
        return {bytes.data() + 3 * width * (height - 1), -3 * width, width, height};
    }
};

// A row for each red, green and blue along it; and the row's start again at a width that
// leaves a tail of fewer than sixteen pixels.
TEST(SixteenRowsTest, EveryColourGetsThePixelAtATimeCode) {
    Picture row{256 * 256, 1};
    if (!SixteenWideFit(row.width)) GTEST_SKIP() << "no 256-bit vectors here";
    std::vector<std::uint8_t> codes(row.width);
    for (int r = 0; r < 256; ++r) {
        for (int gb = 0; gb < row.width; ++gb) row.Set(gb, 0, r, gb >> 8, gb & 0xFF);
        for (const int width : {row.width, 16 * 3 + 5}) {
            MatchSixteenWide(row.bytes.data(), width, codes.data());
            for (int gb = 0; gb < width; ++gb)
                ASSERT_EQ(codes[gb], NearestPaletteCode(r, gb >> 8, gb & 0xFF))
                    << r << ", " << (gb >> 8) << ", " << (gb & 0xFF) << " in " << width;
        }
    }
}

// Bottom-up rows, fewer than sixteen in the last group, components piled at both ends so
// that the corrected ones are clamped: each row matches a pixel-at-a-time chain from no
// error, and the error left is the last row's.
TEST(SixteenRowsTest, DitheredRowsMatchThePixelAtATimeChain) {
    Picture picture{301, 21};
    if (!SixteenRowsFit(picture.BottomUp())) GTEST_SKIP() << "no 256-bit vectors here";
    std::mt19937 random(5);
    std::uniform_int_distribution<int> component(-60, 315);
    const auto pick = [&] { return std::clamp(component(random), 0, 255); };
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) picture.Set(x, y, pick(), pick(), pick());
    const PixelRows rows = picture.BottomUp();
    std::vector<std::uint8_t> tile(kWideRows * picture.width);
    for (int first = 0; first < rows.height; first += kWideRows) {
        const int count = std::min(kWideRows, rows.height - first);
        const auto left = MatchSixteenRows(rows, first, count, tile.data());
        std::array<std::int32_t, 3> error{};
        for (int k = 0; k < count; ++k) {
            error = {};
            const std::uint8_t* p = rows.Row(first + k);
            for (int x = 0; x < rows.width; ++x, p += 3)
                ASSERT_EQ(tile[kWideRows * x + k], DitheredPaletteCode(error, p[2], p[1], p[0]))
                    << "row " << first + k << ", pixel " << x;
        }
        EXPECT_EQ(left, error);
    }
}

// Runs of every length a row can hold, from single pixels to ones continued past 254, in
// palette colours so that each pixel's code is its colour's: the runs come out as a plain
// reading of them writes them.
TEST(SixteenRowsTest, RunsOfEveryLengthAreWrittenAsTheyCome) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> code(0, 255), shortRun(1, 3), longRun(1, 600);
    Picture picture{3000, 3};
    std::vector<std::uint8_t> expected;
    for (int y = 0; y < picture.height; ++y) {
        std::vector<std::pair<int, int>> runs; // code, length
        for (int x = 0; x < picture.width;) {
            const int length = std::min(picture.width - x, random() % 4 ? shortRun(random)
                                                                        : longRun(random));
            int c = code(random);
            if (!runs.empty() && c == runs.back().first) c ^= 1;
            runs.emplace_back(c, length);
            for (const int end = x + length; x < end; ++x) {
                const ScreenColour colour = ColourOf(c);
                picture.Set(x, y, Red(colour), Green(colour), Blue(colour));
            }
        }
        expected.push_back(static_cast<std::uint8_t>(runs[0].first));
        for (std::size_t k = 1; k < runs.size(); ++k) {
            int length = runs[k - 1].second;
            for (; length >= kLengthContinues; length -= kLengthContinues)
                expected.push_back(kLengthContinues);
            expected.push_back(static_cast<std::uint8_t>(length));
            expected.push_back(static_cast<std::uint8_t>(runs[k].first));
        }
        expected.push_back(kRowEnd);
    }
    RecordingHost host;
    Observers observers;
    ImageBank images(host, observers);
    cImage image;
    EncodeColourCodes(images, image, picture.TopDown());
    EXPECT_EQ(image.Data, expected);
}

} // namespace
} // namespace pw
