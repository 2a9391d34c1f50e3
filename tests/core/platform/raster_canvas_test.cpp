#include "platform/raster_canvas.h"
#include "shell/canvas_coords.h"
#include "shell/colour.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

constexpr std::uint32_t kBack = 0xFF000000, kInk = 0xFFFFFFFF;

int CountInk(const RasterCanvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) n += c.Pixel(x, y) == kInk;
    return n;
}

TEST(DrawHLine, PaintsBothEndsAndASinglePixelWhenTheyMeet) {
    RasterCanvas c(20, 5, kBack);
    DrawHLine(c, 3, 1, 3, 255);
    EXPECT_EQ(CountInk(c), 1);
    EXPECT_EQ(c.Pixel(3, 1), kInk);
    DrawHLine(c, 5, 2, 9, 255);
    EXPECT_EQ(CountInk(c), 6);
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
    EXPECT_EQ(CountInk(c), 4);
    EXPECT_EQ(c.Pixel(10, 0), kInk);
    EXPECT_EQ(c.Pixel(7, 0), kInk);
    EXPECT_EQ(c.Pixel(6, 0), kBack);
}

TEST(RasterCanvas, NothingIsWrittenOutsideTheBuffer) {
    RasterCanvas c(10, 10, kBack);
    c.FillRect({-100, -100, 1000, 1000}, kInk);
    EXPECT_EQ(CountInk(c), 100);
    c.Fill(kBack);
    c.FillRect({-5, 3, -1, 4}, kInk);
    c.FillRect({10, 0, 20, 9}, kInk);
    c.HSpan(-2147483647, 2147483647, 5, kInk);
    c.Line(-50, -50, 50, 50, kInk);
    c.SetPixel(10, 10, kInk);
    c.FrameRect({-1, -1, 10, 10}, kInk);
    EXPECT_EQ(c.Pixel(-1, 0), 0u);
    EXPECT_EQ(CountInk(c), 10 + 9); // the row and the rest of the diagonal
}

TEST(RasterCanvas, DirtyAreaCoversWhatWasDrawnOnly) {
    RasterCanvas c(100, 100, kBack);
    c.TakeDirty();
    EXPECT_TRUE(c.TakeDirty().Empty());
    c.FillRect({10, 20, 30, 40}, kInk);
    c.HSpan(50, 60, 5, kInk);
    EXPECT_EQ(c.TakeDirty(), (Rect{10, 5, 60, 40}));
    c.FillRect({200, 200, 300, 300}, kInk);
    EXPECT_TRUE(c.TakeDirty().Empty());
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
