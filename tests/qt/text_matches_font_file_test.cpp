// What the Static view shows is what the display draws: a text drawn on the canvas by the
// text engine and the same text composed from the glyphs of the generated font file are the
// same ink pixels.

#include "generate/fnt_file.h"
#include "generate/fnt_text.h"
#include "generate/font_rasteriser.h"
#include "platform/files.h"
#include "platform/raster_canvas.h"
#include "qt/qt_text_engine.h"
#include "display/colour.h"
#include "support/temp_drive.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pw {
namespace {

constexpr ScreenColour kGround = MakeColour(32, 160, 160);
constexpr ScreenColour kInk = MakeColour(240, 48, 48);
constexpr ScreenColour kCell = MakeColour(255, 255, 255);

std::string StandardSet() {
    std::string all;
    for (int c = 32; c <= 127; ++c) all += static_cast<char>(c);
    return all;
}

// Where the ink is.
std::vector<bool> InkOf(const RasterCanvas& canvas) {
    std::vector<bool> ink;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) ink.push_back(canvas.Pixel(x, y) == kInk);
    return ink;
}

class TextMatchesFontFile : public ::testing::TestWithParam<FontDesc> {};

TEST_P(TextMatchesFontFile, InkOnTheCanvasIsInkOfTheGlyphs) {
    TempDrive drive;
    QtTextEngine engine;
    const FontDesc& font = GetParam();
    RasteriseFont(engine, font, "C:\\", "font.fnt", "", 0);
    const FntFont file = ParseFontFile(ReadFileBytes("C:\\font.fnt", 1 << 24), "font.fnt");

    const std::string texts[] = {"Lift 3 - Floor 12", "Out of service!", "{[(WMmw|il.,;:)]}",
                                 "~`^_@#$%&*\"'/\\?", StandardSet()};
    for (const std::string& text : texts) {
        const TextExtent e = engine.Measure(font, text);
        // Drawn whole, and again cut by the canvas's left and top edges.
        for (const auto& [x, y] : {std::pair{7, 5}, std::pair{-5, -3}}) {
            for (const bool opaque : {true, false}) {
                RasterCanvas shown(e.width + 14, e.height + 10, kGround);
                RasterCanvas composed = shown;
                engine.Draw(shown, font, x, y, text, kInk,
                            opaque ? std::optional<ScreenColour>(kCell) : std::nullopt);
                PaintFntText(file, text, composed, x, y, kInk);
                ASSERT_TRUE(std::ranges::count(InkOf(shown), true) > 0) << '"' << text << '"';
                ASSERT_EQ(InkOf(shown), InkOf(composed))
                    << '"' << text << "\" at " << x << ',' << y << (opaque ? " opaque" : "");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    FacesSizesStyles, TextMatchesFontFile,
    ::testing::Values(FontDesc{"Arial", 12, 0}, FontDesc{"Arial", 20, 0}, FontDesc{"Arial", 24, 0},
                      FontDesc{"Arial", 36, 0}, FontDesc{"Arial", 24, fsBold},
                      FontDesc{"Arial", 20, fsUnderline}, FontDesc{"Liberation Serif", 24, 0},
                      FontDesc{"Liberation Serif", 36, fsBold | fsUnderline},
                      FontDesc{"DejaVu Sans Mono", 20, 0}, FontDesc{"DejaVu Sans", 12, fsBold},
                      FontDesc{"Times New Roman", 30, fsItalic | fsStrikeOut}),
    [](const ::testing::TestParamInfo<FontDesc>& info) {
        std::string name;
        for (const char c : info.param.face)
            if (c != ' ') name += c;
        return name + std::to_string(info.param.height) + "Style" +
               std::to_string(info.param.style);
    });

} // namespace
} // namespace pw
