#include "display/colour.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

struct Example {
    int code, r, g, b;
};

TEST(ColourOf, DocumentedExamples) {
    for (const Example e : {Example{0, 0, 0, 0}, {42, 32, 160, 160}, {195, 240, 48, 48},
                            {192, 192, 0, 0}, {3, 48, 48, 48}, {254, 224, 224, 224},
                            {255, 255, 255, 255}}) {
        EXPECT_EQ(ColourOf(e.code), MakeColour(e.r, e.g, e.b)) << "code " << e.code;
    }
}

TEST(ColourOf, TransparentIsTheButtonFaceAndNoPaletteColour) {
    EXPECT_EQ(ColourOf(kTransparent), kButtonFace);
    for (int code = 0; code < 256; ++code) EXPECT_NE(ColourOf(code), kButtonFace) << code;
}

TEST(ColourOf, CodesBeyondTheTableUseTheirLowEightBits) {
    EXPECT_EQ(ColourOf(257), ColourOf(1));
    EXPECT_EQ(ColourOf(256 + 42), ColourOf(42));
    EXPECT_EQ(ColourOf(512 + 255), MakeColour(240, 240, 240)); // white only as exactly 255
    EXPECT_EQ(ColourOf(-1), MakeColour(240, 240, 240));
}

TEST(ColourOf, NoComponentBelowWhiteExceeds240) {
    for (int code = 0; code < 255; ++code) {
        const ScreenColour c = ColourOf(code);
        EXPECT_LE(Red(c), 240);
        EXPECT_LE(Green(c), 240);
        EXPECT_LE(Blue(c), 240);
        EXPECT_EQ(Red(c) % 16, 0);
    }
}

} // namespace
} // namespace pw
