#include "generate/glyph_rows.h"

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
    };
    for (const RowCase& c : cases) {
        const int width = static_cast<int>(c.pixels.size());
        std::string out = "x";
        const bool ink = AppendGlyphRow(out, width, [&](int x) { return c.pixels[x] == '#'; });
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
