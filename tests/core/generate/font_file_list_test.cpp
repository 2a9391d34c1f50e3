#include "generate/font_file_list.h"

#include "windows/window.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace pw {
namespace {

TEST(FontFileName, FaceWithoutSpacesCutToNineThenTheHeight) {
    const std::pair<FontDesc, std::string> cases[] = {
        {{"Arial", 24, 0}, "Arial24"},
        {{"Times New Roman", 30, 0}, "TimesNewR30"},
        {{"Courier New", 12, fsBold}, "CourierNe12"},
        {{"A.B", 8, 0}, "A.B8"},
        // A face name never leads out of the folder or names a hidden file.
        {{"..\\..\\Windows\\x", 20, 0}, "Windowsx20"},
        {{"C:evil/name", 12, 0}, "Cevilname12"},
        {{"\t.hidden", 10, 0}, "hidden10"},
        {{"a*b?c\"d<e>f|g", 9, 0}, "abcdefg9"},
        {{"...", 5, 0}, "5"},
        {{"Arial", -7, 0}, "Arial-7"},
    };
    for (const auto& [font, name] : cases) EXPECT_EQ(FontFileName(font), name) << font.face;
}

TEST(ChooseFontFile, OneFilePerFontTheSuffixLetterTellsSharedNamesApart) {
    FontFileRecords list;
    const std::pair<FontDesc, FontFileChoice> windows[] = {
        {{"Arial", 24, 0}, {"Arial24.fnt", true}},
        {{"Arial", 24, 0}, {"Arial24.fnt", false}},
        {{"Arial", 24, fsBold}, {"Arial24A.fnt", true}},
        {{"Arial", 24, fsItalic}, {"Arial24B.fnt", true}},
        {{"Arial", 24, fsBold}, {"Arial24A.fnt", false}},
        {{"Arial", 20, fsBold}, {"Arial20.fnt", true}},
        {{"Liberation Sans", 20, 0}, {"Liberatio20.fnt", true}},
        {{"Liberation Serif", 20, 0}, {"Liberatio20A.fnt", true}},
        // Faces are told apart by case, but a name differing only in case is the same file:
        // arial24, arial24A and arial24B are taken.
        {{"arial", 24, 0}, {"arial24C.fnt", true}},
    };
    for (const auto& [font, choice] : windows) {
        const FontFileChoice got = ChooseFontFile(list, font);
        EXPECT_EQ(got.fntFile, choice.fntFile) << font.face << ' ' << font.height;
        EXPECT_EQ(got.isNew, choice.isNew) << got.fntFile;
    }
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[1].FontName + list[1].FileName, "ArialArial24A");
    EXPECT_EQ(list[1].Style, fsBold);
    EXPECT_EQ(list[1].Size, -24);
    cFontFile other = list[1];
    other.FontName = "ARIAL";
    EXPECT_EQ(FindFontFile(list, other), "");
}

TEST(MakeFileNameFree, StepsPastCharactersNoNameMayHoldAndNeverRunsOut) {
    FontFileRecords list;
    cFontFile record;
    const auto take = [&](const std::string& name) {
        record.FileName = name;
        MakeFileNameFree(list, record);
        list.push_back(record);
        return record.FileName;
    };
    EXPECT_EQ(take("N8"), "N8");
    for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(take("N8"), std::string("N8") + c);
    EXPECT_EQ(take("N8"), "N8[");
    EXPECT_EQ(take("N8"), "N8]"); // not a backslash
    for (const char* next : {"N8^", "N8_", "N8`", "N8{", "N8}", "N8~", "N8~A", "N8~B"})
        EXPECT_EQ(take("N8"), next); // lower case letters are taken, '|' cannot be in a name
}

TEST(NeedsFontFile, TextWindowsWithAFontAndSomeText) {
    IndexedTexts texts;
    EXPECT_FALSE(NeedsFontFile(dtText, "Arial", texts));
    texts.Set(99, "Floor");
    EXPECT_TRUE(NeedsFontFile(dtText, "Arial", texts));
    EXPECT_FALSE(NeedsFontFile(dtText, "", texts));
    EXPECT_FALSE(NeedsFontFile(dtImage, "Arial", texts));
    EXPECT_FALSE(NeedsFontFile(dtFileName, "Arial", texts));
}

} // namespace
} // namespace pw
