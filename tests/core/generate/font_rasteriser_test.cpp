#include "generate/font_rasteriser.h"

#include "platform/errors.h"
#include "platform/raster_canvas.h"
#include "display/colour.h"
#include "support/bmp_bytes.h"
#include "support/fake_text_engine.h"
#include "support/temp_drive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace pw {
namespace {

// Glyphs drawn from patterns, one string per pixel row: '#' the text colour, '.' the cell,
// and colours either side of the ink threshold: 'g' grey 128 and 'b' (255, 255, 175) are ink,
// 'l' grey 192 and 'B' (0, 0, 176) are not. It draws one character, as the rasteriser asks.
class PatternEngine : public TextEngine {
public:
    explicit PatternEngine(std::map<char, std::vector<std::string>> glyphs) : glyphs_(glyphs) {}
    int draws = 0;

    TextExtent Measure(const FontDesc&, const std::string& text) override {
        int width = 0;
        for (const char c : text) width += static_cast<int>(glyphs_.at(c)[0].size());
        return {width, static_cast<int>(glyphs_.begin()->second.size())};
    }
    void Draw(RasterCanvas& canvas, const FontDesc&, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override {
        ++draws;
        const std::map<char, ScreenColour> fixed = {{'#', colour},
                                                    {'.', background.value_or(0)},
                                                    {'g', MakeColour(128, 128, 128)},
                                                    {'b', MakeColour(255, 255, 175)},
                                                    {'l', MakeColour(192, 192, 192)},
                                                    {'B', MakeColour(0, 0, 176)}};
        const auto& rows = glyphs_.at(text.at(0));
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (std::size_t i = 0; i < rows[row].size(); ++i)
                canvas.SetPixel(x + static_cast<int>(i), y + static_cast<int>(row),
                                fixed.at(rows[row][i]));
    }
    std::string FaceSubstitute(const std::string&) override { return ""; }

private:
    std::map<char, std::vector<std::string>> glyphs_;
};

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values) s += static_cast<char>(v);
    return s;
}

std::string Le32(int v) {
    std::string s;
    test::Put32(s, static_cast<std::uint32_t>(v));
    return s;
}

std::string Header(int rows, int topMargin, int size) {
    return Le32(rows) + Le32(topMargin) + Le32(size) + Le32(0);
}

// The index with the given entries, every other one 0.
std::string Index(const std::map<int, int>& entries) {
    std::string s;
    for (int code = 0; code < 128; ++code) s += Le32(entries.contains(code) ? entries.at(code) : 0);
    return s;
}

class FontRasteriserTest : public ::testing::Test {
protected:
    TempDrive drive;
    FakeTextEngine fake; // glyphs 4 wide, 8 high at size 8, ink on the bottom row only

    std::string Contents(const std::string& name) const {
        std::ifstream in(drive.root / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(FontRasteriserTest, EachGlyphIsItsCellWidthThenItsRowsBelowTheSharedTopMargin) {
    PatternEngine engine({{' ', {"...", "...", "...", "..."}},
                          {'"', {".......", ".......", "gb#lB.g", "......."}},
                          {'A', {"........", "...##...", "########", "#......#"}}});
    const RasteriseResult r =
        RasteriseFont(engine, {"Pattern", 12, 0}, "C:\\", "P12.fnt", " \"A", 0);
    // Before trimming: 2 + 4 bytes for the space, 2 + 7 for '"', 2 + 10 for 'A'.
    EXPECT_EQ(r.size, 528 + 27);
    // The top row is blank in every glyph: one row of margin, three rows per glyph.
    EXPECT_EQ(Contents("P12.fnt"), Header(3, 1, 12) + Index({{' ', 528}, {'"', 533}, {'A', 541}}) +
                                       Bytes({3, 0, 255, 255, 255}) +
                                       Bytes({7, 0, 255, 0, 3, 3, 255, 255}) +
                                       Bytes({8, 0, 3, 2, 255, 0, 255, 0, 1, 6, 255}));
    // The result passes the file's length by the margin once for every glyph.
    EXPECT_EQ(r.size - Contents("P12.fnt").size(), 3u);

    // Without any ink there is no margin to trim.
    EXPECT_EQ(RasteriseFont(engine, {"Pattern", 4, 0}, "C:\\", "S.fnt", " ", 0).size, 528 + 6);
    EXPECT_EQ(Contents("S.fnt"),
              Header(4, 0, 4) + Index({{' ', 528}}) + Bytes({3, 0, 255, 255, 255, 255}));
}

TEST_F(FontRasteriserTest, TheStandardSetIsTheCharacters32To127) {
    std::ofstream(drive.root / "Arial8.fnt") << "an older file";
    const RasteriseResult r = RasteriseFont(fake, {"Arial", 8, 0}, "C:\\", "Arial8.fnt", "", 0);
    // 96 glyphs of 2 + 8 rows: seven blank (255), one full of ink (0, 255).
    EXPECT_EQ(r.size, 528 + 96 * 11);
    std::map<int, int> index;
    std::string records;
    for (int c = 32; c <= 127; ++c) {
        index[c] = 528 + 4 * (c - 32);
        records += Bytes({4, 0, 0, 255});
    }
    EXPECT_EQ(Contents("Arial8.fnt"), Header(1, 7, 8) + Index(index) + records);
    EXPECT_EQ(fake.drawn.back().background, MakeColour(255, 255, 255)); // black on white
}

TEST_F(FontRasteriserTest, TheCharacterPickedOnceTheDataPassesTheLimitIsTheLast) {
    // Every glyph takes 11 bytes.
    struct Case {
        std::int32_t limit;
        int last;
    };
    for (const Case c :
         {Case{1, 33}, Case{11, 34}, Case{100, 42}, Case{0, 127}, Case{20000, 127}}) {
        const RasteriseResult r =
            RasteriseFont(fake, {"Arial", 8, 0}, "C:\\", "L.fnt", "", c.limit);
        const int glyphs = c.last - 31;
        EXPECT_EQ(r.size, 528 + 11 * glyphs) << c.limit;
        EXPECT_EQ(Contents("L.fnt").size(), 528u + 4 * glyphs) << c.limit;
    }
}

TEST_F(FontRasteriserTest, GivenCharactersAreRenderedOnceInOrderOfCode) {
    const RasteriseResult r =
        RasteriseFont(fake, {"Arial", 8, 0}, "C:\\", "C.fnt", "BA\nA\xC4\xE9\xC4", 0);
    // Characters above 127 have no slot in the file: they are reported, not rendered.
    EXPECT_EQ(r.leftOut, "\xC4\xE9");
    EXPECT_EQ(r.size, 528 + 3 * 11);
    ASSERT_EQ(fake.drawn.size(), 3u);
    EXPECT_EQ(fake.drawn[0].text + fake.drawn[1].text + fake.drawn[2].text, "\nAB");
    EXPECT_EQ(Contents("C.fnt").substr(16), Index({{'\n', 528}, {'A', 532}, {'B', 536}}) +
                                                Bytes({4, 0, 0, 255, 4, 0, 0, 255, 4, 0, 0, 255}));

    // With nothing to render there is no file.
    const RasteriseResult none = RasteriseFont(fake, {"Arial", 8, 0}, "C:\\", "N.fnt", "\xC4", 0);
    EXPECT_EQ(none.size, 528);
    EXPECT_EQ(none.leftOut, "\xC4");
    EXPECT_FALSE(std::filesystem::exists(drive.root / "N.fnt"));
}

TEST_F(FontRasteriserTest, NamesThatLeaveTheFolderAndUnusableSizesAreRefusedBeforeDrawing) {
    for (const std::string name :
         {"", ".fnt", "..\\up.fnt", "a\\b.fnt", "a/b.fnt", "C:c.fnt", "tab\t.fnt", "pipe|.fnt"})
        EXPECT_THROW(RasteriseFont(fake, {"Arial", 8, 0}, "C:\\Out\\", name, "", 0), FormatError)
            << name;
    for (const int height : {0, -8, 1001})
        EXPECT_THROW(RasteriseFont(fake, {"Arial", height, 0}, "C:\\", "H.fnt", "", 0), FormatError)
            << height;
    PatternEngine wide({{'w', {std::string(1001, '#')}}});
    EXPECT_THROW(RasteriseFont(wide, {"Pattern", 8, 0}, "C:\\", "W.fnt", "w", 0), FormatError);
    EXPECT_EQ(wide.draws, 0);
    EXPECT_TRUE(fake.drawn.empty());
    EXPECT_TRUE(std::filesystem::is_empty(drive.root));
}

TEST_F(FontRasteriserTest, AFailedWriteIsAnError) {
    EXPECT_THROW(RasteriseFont(fake, {"Arial", 8, 0}, "C:\\Missing\\", "A.fnt", "", 0), IoError);
}

} // namespace
} // namespace pw
