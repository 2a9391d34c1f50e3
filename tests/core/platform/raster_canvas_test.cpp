#include "platform/raster_canvas.h"
#include "support/count_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pw {
namespace {

constexpr std::uint32_t kBack = 0xFF000000, kInk = 0xFFFFFFFF;

TEST(RasterCanvas, NothingIsWrittenOutsideTheBuffer) {
    RasterCanvas c(10, 10, kBack);
    c.FillRect({-100, -100, 1000, 1000}, kInk);
    EXPECT_EQ(CountPixels(c, kInk), 100);
    c.Fill(kBack);
    c.FillRect({-5, 3, -1, 4}, kInk);
    c.FillRect({10, 0, 20, 9}, kInk);
    c.HSpan(-2147483647, 2147483647, 5, kInk);
    c.Line(-50, -50, 50, 50, kInk);
    c.SetPixel(10, 10, kInk);
    c.FrameRect({-1, -1, 10, 10}, kInk);
    EXPECT_EQ(c.Pixel(-1, 0), 0u);
    EXPECT_EQ(CountPixels(c, kInk), 10 + 9); // the row and the rest of the diagonal
}

TEST(RasterCanvas, AFillOfAnyLengthAndStartFillsThosePixelsOnly) {
    // Fills go by blocks and a tail: every length and alignment around the block size.
    std::vector<std::uint32_t> row(300);
    for (std::size_t start = 0; start < 4; ++start)
        for (std::size_t count = 0; count <= 200; ++count) {
            std::fill(row.begin(), row.end(), kBack);
            FillPixels(row.data() + start, count, kInk);
            for (std::size_t i = 0; i < row.size(); ++i)
                ASSERT_EQ(row[i], i >= start && i < start + count ? kInk : kBack)
                    << start << " " << count << " " << i;
        }
}

TEST(RasterCanvas, KeepsItsPixelsOnEitherSideOfTheSizeThatGetsHugePages) {
    // Small and screen-sized buffers come from different places and must go back to them.
    RasterCanvas screen(800, 600, kInk), small(511, 512, kBack); // 1 MB less 2 KB
    RasterCanvas copy = screen;
    screen = small;
    small = copy;
    copy = RasterCanvas(512, 512, kBack); // 1 MB exactly
    EXPECT_EQ(CountPixels(small, kInk), 800 * 600);
    EXPECT_EQ(CountPixels(screen, kBack), 511 * 512);
    EXPECT_EQ(CountPixels(copy, kBack), 512 * 512);
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

} // namespace
} // namespace pw
