// The canvas draws text from glyphs rendered once: the same pixels as Qt's fonts drawing
// every text themselves, from the right glyphs when a window's font changes, and without
// going back to the fonts on the next repaint.

#include "display/colour.h"
#include "generate/fnt_file.h"
#include "generate/font_rasteriser.h"
#include "platform/raster_canvas.h"
#include "qt/qt_text_engine.h"
#include "shell/redraw.h"
#include "shell/startup.h"
#include "support/add_window.h"
#include "support/recording_host.h"
#include "windows/glyph_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pw {
namespace {

constexpr ScreenColour kGround = MakeColour(32, 160, 160);
constexpr ScreenColour kInk = MakeColour(240, 48, 48);
constexpr ScreenColour kCell = MakeColour(250, 250, 200);

// Qt's fonts, counting the characters they are asked to draw.
class CountingEngine final : public QtTextEngine {
public:
    int draws = 0;
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override {
        draws += static_cast<int>(text.size());
        QtTextEngine::Draw(canvas, font, x, y, text, colour, background);
    }
    void DrawEachAlone(const FontDesc& font, std::string_view characters,
                       const CellDrawn& drawn) override {
        draws += static_cast<int>(characters.size());
        QtTextEngine::DrawEachAlone(font, characters, drawn);
    }
};

TEST(GlyphCache, DrawsWhatTheFontsDraw) {
    QtTextEngine qt;
    GlyphCache cache(qt);
    // Characters above 127 too ("\xC4" is Ä, "\xE9" é): the Design view shows them.
    const std::string text = "Lift 3 - {Wg|j}, \xC4rger & Caf\xE9 ~`@";
    for (const FontDesc& font :
         {FontDesc{"Arial", 20, 0}, FontDesc{"Liberation Serif", 24, fsBold | fsUnderline},
          FontDesc{"Times New Roman", 30, fsItalic | fsStrikeOut},
          FontDesc{"DejaVu Sans Mono", 11, 0}}) {
        const TextExtent e = qt.Measure(font, text);
        ASSERT_EQ(cache.Measure(font, text).width, e.width);
        ASSERT_EQ(cache.Measure(font, text).height, e.height);
        // Inside the canvas, cut by each of its edges, and opaque or not.
        const int w = e.width / 2 + 20, h = e.height + 10;
        for (const auto& [x, y] : {std::pair{7, 5}, std::pair{-9, -4}, std::pair{w - e.width / 3, h - 8},
                                   std::pair{-e.width, 3}}) {
            for (const bool opaque : {true, false}) {
                const auto background = opaque ? std::optional<ScreenColour>(kCell) : std::nullopt;
                RasterCanvas byFonts(w, h, kGround), byGlyphs(w, h, kGround);
                qt.Draw(byFonts, font, x, y, text, kInk, background);
                cache.Draw(byGlyphs, font, x, y, text, kInk, background);
                ASSERT_EQ(std::vector(byFonts.Bits(), byFonts.Bits() + w * h),
                          std::vector(byGlyphs.Bits(), byGlyphs.Bits() + w * h))
                    << font.face << ' ' << font.height << " at " << x << ',' << y
                    << (opaque ? " opaque" : "");
                ASSERT_EQ(byGlyphs.TakeDirty(), byFonts.TakeDirty());
            }
        }
    }
}

// The editor's canvas after each change of the window's font, drawn from the cache and drawn
// by Qt's fonts alone.
TEST(GlyphCache, AWindowGivenAnotherFontDrawsFromThatFontsGlyphs) {
    RecordingHost host;
    CountingEngine fonts;
    GlyphCache cache(fonts);
    QtTextEngine direct;
    Editor cached(host, cache), plain(host, direct);
    for (Editor* editor : {&cached, &plain}) {
        CreateDefaultLayout(editor->doc, editor->view);
        editor->view.ViewMode = vmStatic;
        cWindow& w = AddWindow(*editor, 10, 10, 300, 90);
        w.DrawType = dtText;
        w.FG = 255;
        w.BG0 = 3;
        w.FontName = "Arial";
        w.FontSize = 20;
        w.Text.Set(0, "Floor 12\r\nDoors closing");
    }
    const auto change = [&](auto&& edit) {
        for (Editor* editor : {&cached, &plain}) {
            edit(*WindowAt(editor->doc.layout, 1));
            RedrawAll(editor->view, editor->doc);
        }
        const RasterCanvas& a = cached.view.canvas;
        const RasterCanvas& b = plain.view.canvas;
        return a.Width() == b.Width() && a.Height() == b.Height() &&
               std::equal(a.Bits(), a.Bits() + a.Width() * a.Height(), b.Bits());
    };
    EXPECT_TRUE(change([](cWindow&) {}));
    const int rendered = fonts.draws;
    EXPECT_GT(rendered, 0);
    EXPECT_TRUE(change([](cWindow&) {}));
    EXPECT_EQ(fonts.draws, rendered) << "a repaint went back to the fonts";

    EXPECT_TRUE(change([](cWindow& w) { w.FontSize = 32; }));
    EXPECT_TRUE(change([](cWindow& w) { w.FontName = "Liberation Serif"; }));
    EXPECT_TRUE(change([](cWindow& w) { w.FontStyle = fsBold; }));
    EXPECT_TRUE(change([](cWindow& w) { w.FontSize = 20; w.FontName = "Arial"; w.FontStyle = 0; }));
    EXPECT_GT(fonts.draws, rendered);
}

TEST(GlyphCache, FontsNoDisplayCanHoldAreLeftToTheFonts) {
    CountingEngine fonts;
    GlyphCache cache(fonts);
    RasterCanvas canvas(100, 100, kGround);
    const FontDesc huge{"Arial", 2000, 0};
    cache.Draw(canvas, huge, -500, -900, "W", kInk, std::nullopt);
    cache.Draw(canvas, huge, -500, -900, "W", kInk, std::nullopt);
    EXPECT_EQ(fonts.draws, 2);
    EXPECT_EQ(cache.Measure(huge, "WW").width, fonts.Measure(huge, "WW").width);
}

// One canvas serves a whole batch: a narrow character after a wide one, or a small one after
// a tall italic, must not keep what the one before left beside or below it.
TEST(GlyphCache, ABatchDrawsEachCharacterAsItIsDrawnAlone) {
    QtTextEngine qt;
    const std::string characters = "W.|Wi_j\xC4 ";
    for (const FontDesc& font :
         {FontDesc{"Arial", 100, 0}, FontDesc{"Liberation Serif", 26, fsItalic | fsUnderline}}) {
        int handed = 0;
        qt.DrawEachAlone(font, characters, [&](unsigned char c, const RasterCanvas& batch) {
            const std::string alone(1, static_cast<char>(c));
            const TextExtent cell = qt.Measure(font, alone);
            RasterCanvas drawn(cell.width, cell.height, kCell);
            qt.Draw(drawn, font, 0, 0, alone, kInk, kCell);
            for (int y = 0; y < cell.height; ++y)
                for (int x = 0; x < cell.width; ++x)
                    ASSERT_EQ(batch.Pixel(x, y) == MakeColour(0, 0, 0), drawn.Pixel(x, y) == kInk)
                        << font.face << " '" << alone << "' at " << x << "," << y;
            ++handed;
        });
        EXPECT_EQ(handed, static_cast<int>(characters.size()));
    }
}

// A font file with a limit stops where the limit is reached, and the batches it renders ahead
// in draw few glyphs for nothing.
TEST(GlyphCache, AFontFileAtItsLimitRendersLittleItDoesNotTake) {
    CountingEngine fonts;
    const FontDesc font{"Arial", 120, 0};
    const RasterisedGlyphs cut = RasteriseGlyphs(fonts, font, "", 20000);
    const auto taken = std::count_if(cut.font.glyphs.begin(), cut.font.glyphs.end(),
                                     [](const auto& glyph) { return glyph.has_value(); });
    ASSERT_GT(taken, 8);
    ASSERT_LT(taken, 96);
    EXPECT_LE(fonts.draws, taken + 8) << taken << " glyphs taken";
}

// A font file is made of the glyphs the canvas drew, each rendered once, and holds what Qt's
// fonts draw.
TEST(GlyphCache, FontFilesTakeTheGlyphsTheCanvasDrew) {
    CountingEngine fonts;
    GlyphCache cache(fonts);
    const FontDesc font{"Liberation Serif", 26, fsItalic};
    RasterCanvas canvas(300, 40, kGround);
    cache.Draw(canvas, font, 0, 0, "Lift 3 {Wg|j}", kInk, std::nullopt);

    const std::string file = FontFileBytes(RasteriseGlyphs(cache, font, "", 0).font);
    QtTextEngine qt;
    EXPECT_EQ(file, FontFileBytes(RasteriseGlyphs(qt, font, "", 0).font));
    // Each of the 96 characters of the standard set, those of the text too, rendered once.
    EXPECT_EQ(fonts.draws, 96);
    RasteriseGlyphs(cache, font, "", 0);
    EXPECT_EQ(fonts.draws, 96);
}

} // namespace
} // namespace pw
