#pragma once
// The ink of a row of a glyph's cell drawn black on white, as runs: what the glyph cache
// keeps of a glyph and what a font file encodes.

#include "display/colour.h"

namespace pw {

// A pixel of a glyph drawn black on white is ink when its blue component is below this:
// black text and dark greys.
constexpr int kInkBlueBelow = 176;
constexpr bool IsInk(ScreenColour pixel) {
    return Blue(pixel) < kInkBlueBelow;
}

// Calls run(left, right), both ends included, for each run of ink among the first width
// pixels of the row, left to right. Most of a cell is long runs of one kind, which are
// passed over eight pixels at a time.
template <class Run> void ForEachInkRun(const ScreenColour* row, int width, Run&& run) {
    constexpr int kBlock = 8;
    const auto inkIn = [row](int x) {
        int n = 0;
        for (int k = 0; k < kBlock; ++k) n += IsInk(row[x + k]);
        return n;
    };
    for (int x = 0; x < width;) {
        while (x + kBlock <= width && inkIn(x) == 0) x += kBlock;
        while (x < width && !IsInk(row[x])) ++x;
        if (x == width) break;
        const int left = x;
        while (x + kBlock <= width && inkIn(x) == kBlock) x += kBlock;
        while (x < width && IsInk(row[x])) ++x;
        run(left, x - 1);
    }
}

} // namespace pw
