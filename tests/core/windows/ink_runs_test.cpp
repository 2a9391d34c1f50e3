// The runs of ink of a cell's row are the runs a pixel-by-pixel look finds, for rows of every
// width about the 64 pixels taken at a time, and runs that cross from one 64 to the next.

#include "windows/ink_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace pw {
namespace {

using Runs = std::vector<std::pair<int, int>>;

Runs PixelByPixel(const std::vector<ScreenColour>& row) {
    Runs runs;
    for (int x = 0; x < static_cast<int>(row.size()); ++x) {
        if (!IsInk(row[x])) continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

TEST(InkRuns, AreThoseFoundPixelByPixel) {
    std::mt19937 random(7);
    // Blue just below and at the limit, as well as black and white; long and short runs.
    const ScreenColour shades[] = {0xFF000000, 0xFFFFFFFF, 0xFF8080AF, 0xFF0000B0};
    for (int width : {0, 1, 3, 4, 5, 63, 64, 65, 127, 128, 129, 200}) {
        for (int trial = 0; trial < 200; ++trial) {
            std::vector<ScreenColour> row(width);
            const int runLength = 1 + trial % 70;
            ScreenColour shade = shades[random() % 4];
            for (int x = 0; x < width; ++x) {
                if (random() % runLength == 0) shade = shades[random() % 4];
                row[x] = shade;
            }
            Runs found;
            ForEachInkRun(row.data(), width, [&](int left, int right) {
                found.push_back({left, right});
            });
            ASSERT_EQ(found, PixelByPixel(row)) << "width " << width << ", trial " << trial;
        }
    }
}

} // namespace
} // namespace pw
