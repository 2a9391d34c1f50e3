// Fonts no glyph cache holds yet are made at the same time on other threads, each with fonts of
// its own: the files are those made one after the other, every font's step is shown, the glyphs
// join the editor's cache, and a font none can be made of still stops the generation first.

#include "generate/font_uses.h"
#include "generate/generate_fonts.h"
#include "platform/errors.h"
#include "platform/raster_canvas.h"
#include "qt/qt_text_engine.h"
#include "windows/glyph_cache.h"
#include "windows/window_list.h"

#include <gtest/gtest.h>

#include <map>

namespace pw {
namespace {

// Qt's fonts on this thread only, counting what they are asked to draw here.
class CountingEngine final : public QtTextEngine {
public:
    bool otherThreads = true;
    int draws = 0;
    void DrawEachAlone(const FontDesc& font, std::string_view characters,
                       const CellDrawn& drawn) override {
        draws += static_cast<int>(characters.size());
        QtTextEngine::DrawEachAlone(font, characters, drawn);
    }
    std::unique_ptr<TextEngine> NewForOtherThread() override {
        return otherThreads ? QtTextEngine::NewForOtherThread() : nullptr;
    }
};

class StepsShown final : public Progress {
public:
    std::map<std::string, int> texts;
    void Step(long, long, const std::string& text) override { ++texts[text]; }
};

Layout TextWindows(const std::vector<FontDesc>& fonts) {
    Layout layout;
    for (const FontDesc& font : fonts) {
        cWindow& w = NewWindow(layout);
        w.Type = wtMessage;
        w.DrawType = dtText;
        w.FontName = font.face;
        w.FontSize = font.height;
        w.FontStyle = font.style;
        w.Text.Set(0, "Lift 3 - G\xC4");
        w.Text.Set(5, "{Wg|j} ~");
    }
    return layout;
}

const std::vector<FontDesc> kFonts{{"Arial", 20, 0},
                                   {"Arial", 120, fsBold},
                                   {"Times New Roman", 31, fsItalic},
                                   {"DejaVu Sans Mono", 17, fsUnderline},
                                   {"Liberation Serif", 64, fsStrikeOut},
                                   {"Arial", 230, 0}};

TEST(FontsInLanes, MakeTheFilesMadeOneAfterAnotherAndLeaveTheirGlyphsInTheCache) {
    CountingEngine laned, alone;
    alone.otherThreads = false;
    GlyphCache cache(laned), single(alone);
    Layout inLanes = TextWindows(kFonts), oneByOne = TextWindows(kFonts);
    FontFileRecords listInLanes, listOneByOne;
    StepsShown progress;
    ProgressSteps steps(progress, static_cast<long>(kFonts.size()));
    ProgressSteps noSteps(NoProgress(), 0);
    const FontFilesMade a = GenerateFonts(cache, inLanes, listInLanes, steps);
    const FontFilesMade b = GenerateFonts(single, oneByOne, listOneByOne, noSteps);

    ASSERT_EQ(a.files.size(), b.files.size());
    for (std::size_t i = 0; i < a.files.size(); ++i) {
        EXPECT_EQ(a.files[i].name, b.files[i].name);
        EXPECT_TRUE(a.files[i].bytes == b.files[i].bytes) << a.files[i].name;
        EXPECT_EQ(progress.texts["Making the font file " + a.files[i].name], 1) << a.files[i].name;
    }
    EXPECT_EQ(progress.texts.size(), kFonts.size());
    EXPECT_EQ(a.unshown, b.unshown);
    ASSERT_EQ(listInLanes.size(), listOneByOne.size());
    for (std::size_t i = 0; i < listInLanes.size(); ++i)
        EXPECT_EQ(listInLanes[i].Chars, listOneByOne[i].Chars) << listInLanes[i].FileName;

    // Every text draws from glyphs already rendered, wherever they were; a character no file
    // took is rendered here when it is first drawn.
    laned.draws = 0;
    RasterCanvas canvas(400, 300, 0xFFFFFFFF);
    for (const FontDesc& font : kFonts) {
        EXPECT_TRUE(cache.Holds(font)) << font.face << " " << font.height;
        cache.Draw(canvas, font, 0, 0, "Lift 3 - G{Wg|j} ~", 0xFF000000, std::nullopt);
    }
    EXPECT_EQ(laned.draws, 0);
    for (const FontDesc& font : kFonts) {
        const int before = laned.draws;
        cache.Draw(canvas, font, 0, 0, "\xC4\xE9", 0xFF000000, std::nullopt);
        EXPECT_GT(laned.draws, before) << font.face << " " << font.height;
    }
}

TEST(FontsInLanes, AFontNoneCanBeMadeOfStopsTheGenerationNamingAWindowThatUsesIt) {
    CountingEngine laned;
    GlyphCache cache(laned);
    Layout layout =
        TextWindows({{"Arial", 24, 0}, {"Arial", 1500, 0}, {"Arial", 40, 0}, {"Arial", 2000, 0}});
    FontFileRecords list;
    ProgressSteps steps(NoProgress(), 0);
    try {
        GenerateFonts(cache, layout, list, steps);
        ADD_FAILURE() << "generated";
    } catch (const FormatError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The font Arial 1500 cannot be made for the display: its height is not 1 to "
                  "1000 pixels. " +
                      WindowName(*layout.WindowList[1]) + " uses it.");
    }
}

} // namespace
} // namespace pw
