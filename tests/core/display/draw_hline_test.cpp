#include "display/canvas_coords.h"
#include "display/colour.h"
#include "display/draw_hline.h"
#include "support/count_pixels.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

constexpr std::uint32_t kBack = 0xFF000000, kInk = 0xFFFFFFFF;

TEST(DrawHLine, PaintsBothEndsAndASinglePixelWhenTheyMeet) {
    RasterCanvas c(20, 5, kBack);
    DrawHLine(c, 3, 1, 3, 255);
    EXPECT_EQ(CountPixels(c, kInk), 1);
    EXPECT_EQ(c.Pixel(3, 1), kInk);
    DrawHLine(c, 5, 2, 9, 255);
    EXPECT_EQ(CountPixels(c, kInk), 6);
    EXPECT_EQ(c.Pixel(5, 2), kInk);
    EXPECT_EQ(c.Pixel(9, 2), kInk);
    EXPECT_EQ(c.Pixel(10, 2), kBack);
}

TEST(DrawHLine, UsesTheColourOfTheCode) {
    RasterCanvas c(4, 1, kBack);
    DrawHLine(c, 0, 0, 3, 42);
    EXPECT_EQ(c.Pixel(2, 0), MakeColour(32, 160, 160));
}

TEST(DrawHLine, ASpanGivenRightToLeftPaintsAsAPenLineDoes) {
    RasterCanvas c(20, 1, kBack);
    DrawHLine(c, 10, 0, 5, 255); // pen from 10 to 6, the end excluded
    EXPECT_EQ(CountPixels(c, kInk), 4);
    EXPECT_EQ(c.Pixel(10, 0), kInk);
    EXPECT_EQ(c.Pixel(7, 0), kInk);
    EXPECT_EQ(c.Pixel(6, 0), kBack);
}

TEST(ScrollXY, ConvertsBetweenLayoutAndWidget) {
    int x = 100, y = 50;
    ScrollXY(x, y, {30, 20});
    EXPECT_EQ(x, 70);
    EXPECT_EQ(y, 30);
    UnscrollXY(x, y, {30, 20});
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
}

} // namespace
} // namespace pw
