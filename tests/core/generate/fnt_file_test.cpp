#include "generate/fnt_file.h"

#include "display/colour.h"
#include "generate/font_sheet.h"

#include "platform/errors.h"
#include "support/bmp_bytes.h"

#include <gtest/gtest.h>

#include <functional>

namespace pw {
namespace {

// A font of two glyphs: 'A', 8 pixels wide, with ink in columns 3 and 4 of its first row and
// all along its second; 'C', 3 pixels wide and blank.
FntFont TwoGlyphs() {
    FntFont font;
    font.rowsPerGlyph = 2;
    font.topMargin = 3;
    font.size = 12;
    font.glyphs['A'] = FntGlyph{8, std::string("\3\2\xFF\0\xFF", 5)};
    font.glyphs['C'] = FntGlyph{3, "\xFF\xFF"};
    return font;
}

// The same font as the file holds it, put together field by field.
std::string TwoGlyphsFile() {
    std::string s;
    for (const std::uint32_t field : {2, 3, 12, 0}) test::Put32(s, field);
    for (int code = 0; code < 128; ++code)
        test::Put32(s, code == 'A' ? 528 : code == 'C' ? 528 + 7 : 0);
    return s + std::string("\x08\0\3\2\xFF\0\xFF", 7) + std::string("\x03\0\xFF\xFF", 4);
}

TEST(FntFile, HeaderIndexAndRecordsBackToBack) {
    const std::string bytes = FontFileBytes(TwoGlyphs());
    EXPECT_EQ(bytes.size(), 539u);
    EXPECT_EQ(bytes, TwoGlyphsFile());

    const FntFont read = ParseFontFile(bytes, "two.fnt");
    EXPECT_EQ(read.rowsPerGlyph, 2);
    EXPECT_EQ(read.topMargin, 3);
    EXPECT_EQ(read.size, 12);
    EXPECT_EQ(read.reserved, 0);
    EXPECT_EQ(read.glyphs, TwoGlyphs().glyphs);
}

TEST(FntFile, DamagedFilesAreRefusedNamingTheFile) {
    const std::function<void(std::string&)> damages[] = {
        [](std::string& s) { s.resize(527); },
        [](std::string& s) { s.pop_back(); },
        [](std::string& s) { s += '\xFF'; },
        [](std::string& s) { test::Set32(s, 0, static_cast<std::uint32_t>(-1)); },
        [](std::string& s) { test::Set32(s, 0, 3); },              // 'A' would need a third row
        [](std::string& s) { test::Set32(s, 16 + 4 * 'C', 536); }, // not where 'A' ends
        [](std::string& s) { test::Set32(s, 16 + 4 * 'B', 535); }, // a glyph that is not there
        [](std::string& s) { test::Set16(s, 528, 2); },            // 'A' narrower than its runs
        [](std::string& s) { test::Set32(s, 4, 999); },            // cells 999 + 2 rows high
        [](std::string& s) { test::Set16(s, 535, 1001); },         // 'C' 1001 wide
    };
    for (const auto& damage : damages) {
        std::string bytes = TwoGlyphsFile();
        damage(bytes);
        try {
            ParseFontFile(bytes, "bad.fnt");
            ADD_FAILURE() << "accepted a damaged file";
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find("bad.fnt"), std::string::npos) << e.what();
        }
    }
}

TEST(FntFile, TheLargestCellsAFontFileIsMadeWithAreRead) {
    std::string bytes = TwoGlyphsFile();
    test::Set32(bytes, 4, 998);
    test::Set16(bytes, 535, 1000);
    const FntFont font = ParseFontFile(bytes, "large.fnt");
    EXPECT_EQ(font.topMargin, 998);
    EXPECT_EQ(font.glyphs['C']->width, 1000);
}

TEST(FontSheet, GlyphsStandSixteenToALineWithoutTheirTopMargin) {
    // 17 glyphs 2 wide, rows 2 high: two lines of cells 3 + 1 high, 16 cells of 2 + 1 wide.
    FntFont font;
    font.rowsPerGlyph = 2;
    font.topMargin = 500;
    for (int c = 'a'; c < 'a' + 17; ++c)
        font.glyphs[c] = FntGlyph{2, std::string("\0\1\xFF\xFF", 4)};
    const SheetSize size = FontSheetSize(font);
    EXPECT_EQ(size.width, 16 * 3 + 1);
    EXPECT_EQ(size.height, 2 * 3 + 1);
    const RasterCanvas sheet = DrawFontSheet(font);
    const ScreenColour white = MakeColour(255, 255, 255), black = MakeColour(0, 0, 0);
    // The first cell: its first row one ink pixel then white, its second row white.
    EXPECT_EQ(sheet.Pixel(1, 1), black);
    EXPECT_EQ(sheet.Pixel(2, 1), white);
    EXPECT_EQ(sheet.Pixel(1, 2), white);
    EXPECT_EQ(sheet.Pixel(3, 1), kButtonFace);
    EXPECT_EQ(sheet.Pixel(1, 4), black); // the 17th glyph, on the second line
    EXPECT_EQ(sheet.Pixel(4, 4), kButtonFace);
    EXPECT_EQ(FontSheetSize(FntFont{}).width, 0);
}

} // namespace
} // namespace pw
