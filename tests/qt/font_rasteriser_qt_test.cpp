// The rasteriser takes the cells from the engine's measures; on Qt's fonts that gives the
// bytes of the plain method, which counts the cell's pixels up to the grey it clears to.

#include "generate/font_rasteriser.h"
#include "qt/qt_text_engine.h"
#include "reference/font_reference.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(FontRasteriserOnQt, GivesTheBytesOfThePlainMethod) {
    struct Case {
        FontDesc font;
        std::string characters;
        std::int32_t limit;
    };
    const Case cases[] = {
        {{"Arial", 24, 0}, "", 0},
        {{"Arial", 36, fsBold}, "", 2000},
        {{"Liberation Serif", 20, fsItalic | fsUnderline}, "\n\r AWgj|", 0},
        {{"DejaVu Sans Mono", 12, fsStrikeOut}, "", 20000},
        {{"Arial", 120, 0}, "W_", 0},
        // A face this high Qt draws from its outlines.
        {{"Arial", 100, 0}, "", 0},
    };
    QtTextEngine engine;
    for (const Case& c : cases) {
        const reference::FontFile expected =
            reference::RasteriseFontFile(engine, c.font, c.characters, c.limit);
        const RasterisedGlyphs glyphs = RasteriseGlyphs(engine, c.font, c.characters, c.limit);
        EXPECT_EQ(glyphs.dataSize + 528, expected.result) << c.font.face << ' ' << c.font.height;
        EXPECT_EQ(FontFileBytes(glyphs.font), expected.bytes)
            << c.font.face << ' ' << c.font.height;
    }
}

} // namespace
} // namespace pw
