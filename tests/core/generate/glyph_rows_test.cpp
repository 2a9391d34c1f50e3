#include "generate/glyph_rows.h"

#include "windows/ink_runs.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

// Pixel rows are written as '#' for ink and '.' for background.
std::string Dots(int n) {
    return std::string(static_cast<std::size_t>(n), '.');
}
std::string Ink(int n) {
    return std::string(static_cast<std::size_t>(n), '#');
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) s += static_cast<char>(v);
    return s;
}

// The pattern as a cell's pixels: ink and background alternate between the darkest and the
// lightest blue that count as such.
std::vector<ScreenColour> Pixels(const std::string& pattern) {
    std::vector<ScreenColour> row;
    for (std::size_t x = 0; x < pattern.size(); ++x)
        row.push_back(pattern[x] == '#' ? MakeColour(0, 0, x % 2 ? 0 : kInkBlueBelow - 1)
                                        : MakeColour(255, 255, x % 2 ? 255 : kInkBlueBelow));
    return row;
}

struct RowCase {
    std::string pixels;
    std::string bytes;
};

TEST(GlyphRows, EachRowIsItsRunsThenTheRowEnd) {
    const RowCase cases[] = {
        {"...##...", Bytes({3, 2, 255})},
        {"########", Bytes({0, 255})},
        {"........", Bytes({255})},
        {"#......#", Bytes({0, 1, 6, 255})},
        {"", Bytes({255})},
        {Dots(300), Bytes({255})},
        {Ink(300), Bytes({0, 255})},
        // Runs a byte cannot hold: 254, an empty run of the other kind, the rest.
        {Dots(254) + "#", Bytes({254, 255})},
        {Dots(255) + "#", Bytes({254, 0, 1, 255})},
        {Dots(300) + Ink(10) + Dots(10), Bytes({254, 0, 46, 10, 255})},
        {Ink(600) + ".", Bytes({0, 254, 0, 254, 0, 92, 255})},
        // Runs across and within the eight pixels looked at together.
        {Dots(13) + Ink(9) + Dots(3) + Ink(17), Bytes({13, 9, 3, 255})},
        {Ink(7) + "." + Ink(8) + ".#.", Bytes({0, 7, 1, 8, 1, 1, 255})},
    };
    for (const RowCase& c : cases) {
        const int width = static_cast<int>(c.pixels.size());
        std::string out = "x";
        const std::vector<ScreenColour> row = Pixels(c.pixels);
        const bool ink = AppendGlyphRow(
            out, width, [&](auto&& span) { ForEachInkRun(row.data(), width, span); });
        EXPECT_EQ(out, "x" + c.bytes) << c.pixels;
        EXPECT_EQ(ink, c.pixels.find('#') != std::string::npos) << c.pixels;

        // Read back, the runs give the same pixels.
        std::string pixels = Dots(width);
        const auto end = WalkGlyphRows(out, 1, width, 1, [&](int row, int x0, int x1) {
            EXPECT_EQ(row, 0);
            for (int x = x0; x <= x1; ++x) pixels[x] = '#';
        });
        EXPECT_EQ(end, out.size()) << c.pixels;
        EXPECT_EQ(pixels, c.pixels);
    }
}

} // namespace
} // namespace pw
