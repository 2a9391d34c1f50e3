// The font files of a layout, made with the fixed-metric engine: a font of height h has cells
// h / 2 wide and h high, every glyph a bar along its bottom row. Before trimming a glyph is
// 2 width bytes, h - 1 blank rows of one byte and the bar row 0, 255: h + 3 bytes. The whole
// standard set of 96 glyphs is too large (20001 bytes or more with the 528 of header and
// index) from h = 200 on: 96 * 203 + 528 = 20016, while h = 199 gives 96 * 202 + 528 = 19920.

#include "generate/generate_fonts.h"

#include "generate/fnt_file.h"
#include "support/editor_fixture.h"

#include <algorithm>

namespace pw {
namespace {

class GenerateFontsTest : public EditorTest {
protected:
    FontFilesMade made;

    cWindow& TextWindow(const std::string& face, int size, std::vector<std::string> texts,
                        std::uint8_t drawType = dtText) {
        cWindow& w = AddWindow(0, 0, 99, 29);
        w.DrawType = drawType;
        w.FontName = face;
        w.FontSize = size;
        for (std::size_t i = 0; i < texts.size(); ++i) w.Text.Set(i * 7, texts[i]);
        return w;
    }

    std::vector<std::string> Generate() {
        ProgressSteps steps(NoProgress(), 0);
        made = GenerateFonts(editor.textEngine, editor.doc.layout, editor.doc.FontFileList, steps);
        return made.unshown;
    }

    long GlyphsDrawnAt(int height) const {
        return std::count_if(text.drawn.begin(), text.drawn.end(),
                             [&](const auto& d) { return d.font.height == height; });
    }

    std::string Codes(const std::string& fntFile) {
        const auto file = std::find_if(made.files.begin(), made.files.end(),
                                       [&](const DisplayFile& f) { return f.name == fntFile; });
        if (file == made.files.end()) return "no file";
        const FntFont font = ParseFontFile(file->bytes, fntFile);
        std::string codes;
        for (int c = 0; c < kGlyphSlots; ++c)
            if (font.glyphs[c]) codes += static_cast<char>(c);
        return codes;
    }
};

std::string StandardSet() {
    std::string all;
    for (int c = 32; c <= 127; ++c) all += static_cast<char>(c);
    return all;
}

TEST_F(GenerateFontsTest, TooLargeAFontHoldsTheCharactersOfEveryWindowThatUsesIt) {
    cWindow& first = TextWindow("Fake", 200, {"AB"});
    cWindow& small = TextWindow("Fake", 199, {"x"});
    cWindow& later = TextWindow("Fake", 200, {"C\r\n", "DA"});
    // Not a text window: it keeps its name, and its texts count for the file it names.
    cWindow& image = TextWindow("Fake", 200, {"Z"}, dtImage);
    image.FntFile = "Fake200.fnt";

    EXPECT_TRUE(Generate().empty());

    EXPECT_EQ(first.FntFile, "Fake200.fnt");
    EXPECT_EQ(later.FntFile, "Fake200.fnt");
    EXPECT_EQ(small.FntFile, "Fake199.fnt");
    EXPECT_EQ(image.FntFile, "Fake200.fnt");
    ASSERT_EQ(editor.doc.FontFileList.size(), 2u);
    EXPECT_EQ(editor.doc.FontFileList[0].Chars, "\n\rABCDZ");
    EXPECT_EQ(editor.doc.FontFileList[0].Size, -200);
    EXPECT_EQ(editor.doc.FontFileList[1].Chars, "");
    EXPECT_EQ(Codes("Fake200.fnt"), "\n\rABCDZ");
    EXPECT_EQ(Codes("Fake199.fnt"), StandardSet());
}

TEST_F(GenerateFontsTest, AFaceTooHighForItsStandardSetIsNotDrawnWhole) {
    // From h = 203 on even blank glyphs make too large a file: 96 * (2 + 203) + 528 = 20208.
    TextWindow("Fake", 203, {"AB"});
    // Characters beyond the slots alone: the first attempt's file stands, as for any face.
    TextWindow("Fake", 204, {"\xE9"});
    text.drawn.clear();
    Generate();
    EXPECT_EQ(Codes("Fake203.fnt"), "AB");
    EXPECT_EQ(GlyphsDrawnAt(203), 2);
    const std::string first = Codes("Fake204.fnt");
    EXPECT_EQ(first, StandardSet().substr(0, first.size()));
    EXPECT_GT(first.size(), 60u);
}

TEST_F(GenerateFontsTest, AStandardSetCertainToBeTooLargeIsDrawnNoFurther) {
    // At h = 200 every glyph takes one byte more than the 202 any glyph takes: after 81 glyphs,
    // 81 * 203 + 15 * 202 + 528 = 20001 bytes, too large whatever the 15 others hold. At
    // h = 199 the whole set fits.
    TextWindow("Fake", 200, {"AB"});
    TextWindow("Fake", 199, {"AB"});
    text.drawn.clear();
    Generate();
    EXPECT_EQ(Codes("Fake200.fnt"), "AB");
    EXPECT_EQ(Codes("Fake199.fnt"), StandardSet());
    EXPECT_GE(GlyphsDrawnAt(200), 81);
    EXPECT_LT(GlyphsDrawnAt(200), 96);
    EXPECT_EQ(GlyphsDrawnAt(199), 96);
}

TEST_F(GenerateFontsTest, CharactersAboveTheSlotsAreToldOncePerFontAndLeftOut) {
    TextWindow("Fake", 20, {"Caf\xE9", "\x80"}).Number = 7;
    TextWindow("Fake", 20, {"plain"});
    TextWindow("Fake", 20, {"\xFC\xE9"}).Number = 9;
    TextWindow("Fake", 22, {"\xE9"}).Number = 10;

    const std::vector<std::string> unshown = Generate();

    ASSERT_EQ(unshown.size(), 2u);
    EXPECT_EQ(unshown[0], "The font file Fake20.fnt holds no characters above code 127, so the "
                          "display cannot show \"\x80\xE9\" in Message Window 7, \"\xE9\xFC\" in "
                          "Message Window 9.");
    EXPECT_EQ(unshown[1], "The font file Fake22.fnt holds no characters above code 127, so the "
                          "display cannot show \"\xE9\" in Message Window 10.");
    EXPECT_EQ(Codes("Fake20.fnt"), StandardSet());
}

} // namespace
} // namespace pw
