// What a hand-edited or hostile layout file may hold that the writer must still write so that
// it reads back, and the bounds the reader keeps.

#include "config/dcf_file.h"
#include "images/load_image.h"
#include "platform/errors.h"
#include "support/window_groups_fixture.h"

namespace pw {
namespace {

class DcfWrittenBackTest : public WindowGroupsTest {
protected:
    const std::string background =
        Window("  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n  Position = 0, 0, 639, 479\r\n");
    // The file's text for the second window, after the job record and the Background object.
    std::string SecondGroup() {
        const std::string file = WriteLayoutText(editor.doc.layout);
        const std::size_t second = file.find("[ WINDOW", file.find("WINDOW END ]"));
        return file.substr(second);
    }
};

TEST_F(DcfWrittenBackTest, ATextHoldingABarIsWrittenBetweenAnotherDelimiterAndReadsBackWhole) {
    Read(background + Window("  Text = 3\r\n#a|b\r\nWINDOW END ]\r\n[ WINDOW\r\n#\r\n"
                             "  Text = 4\r\n|plain|\r\n"));
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    const std::string group = SecondGroup();
    // "!" is the first printable character the text lacks; a text without "|" keeps "|".
    EXPECT_NE(group.find("  Text = 3\r\n!a|b\r\nWINDOW END ]\r\n[ WINDOW\r\n!\r\n"),
              std::string::npos)
        << group;
    EXPECT_NE(group.find("  Text = 4\r\n|plain|\r\n"), std::string::npos) << group;

    Read(WriteLayoutText(editor.doc.layout));
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->Text[3], "a|b\r\nWINDOW END ]\r\n[ WINDOW\r\n");
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->Text[4], "plain");
}

TEST_F(DcfWrittenBackTest, ATextHoldingEveryPrintableCharacterTakesAControlCharacter) {
    std::string text;
    for (int c = '!'; c <= '~'; ++c) text += static_cast<char>(c);
    cWindow& w = NewWindow(editor.doc.layout);
    w.Text.Set(0, text);
    std::string file;
    WriteWindows(editor.doc.layout, file);
    EXPECT_NE(file.find("  Text = 0\r\n" + std::string(1, '\0') + text + std::string(1, '\0')),
              std::string::npos);

    std::string everything;
    for (int c = 0; c < 256; ++c) everything += static_cast<char>(c);
    w.Text.Set(0, everything);
    EXPECT_THROW(WriteLayoutText(editor.doc.layout), FormatError);
}

TEST_F(DcfWrittenBackTest, AnImageNameHoldingABarReadsBackWhole) {
    Read(background + Window("  Format = 0, 2\r\n  BMP = 5, 7, 0\r\n~C:\\a|b.bmp~\r\n"));
    const std::string group = SecondGroup();
    EXPECT_NE(group.find("  BMP = 5, 7, 0\r\n!C:\\a|b.bmp!\r\n"), std::string::npos) << group;
    Read(WriteLayoutText(editor.doc.layout));
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->BMP[5], "C:\\a|b.bmp");
}

TEST_F(DcfWrittenBackTest, AFontFileOrStyleWithoutAFaceIsDroppedAsSavingWouldDropIt) {
    Read(background + Window("  FntFile = x.fnt\r\n  FontStyle = 6\r\n") +
         Window("  FontName = Arial\r\n  FntFile = y.fnt\r\n  FontStyle = 1\r\n"));
    const cWindow& faceless = *WindowAt(editor.doc.layout, 1);
    EXPECT_EQ(faceless.FntFile, "");
    EXPECT_EQ(faceless.FontStyle, 0);
    const cWindow& arial = *WindowAt(editor.doc.layout, 2);
    EXPECT_EQ(arial.FntFile, "y.fnt");
    EXPECT_EQ(arial.FontStyle, fsBold);
}

TEST_F(DcfWrittenBackTest, AFontFileIsTakenFromItsOwnKeyAndNotFromAnEarlierEquals) {
    Read(background + Window("  FontName = Arial\r\n=x FontName = q  FntFile = r.fnt\r\n"));
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->FontName, "Arial");
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->FntFile, "r.fnt");
}

TEST_F(DcfWrittenBackTest, TenThousandWindowsAreReadAndOneMoreIsRefused) {
    std::string file;
    for (int i = 0; i < 10000; ++i) file += "[ WINDOW\r\nWINDOW END ]\r\n";
    Read(file + "\r\n");
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 10000u);
    try {
        Read(file + "[ WINDOW\r\nWINDOW END ]\r\n\r\n");
        FAIL() << "a layout of 10001 windows was read";
    } catch (const FormatError& e) {
        EXPECT_STREQ(e.what(), "The layout holds more than 10000 windows, far more than any "
                               "display shows; it is not read. (line 20001)");
    }
}

TEST_F(DcfWrittenBackTest, ATransparentCodeBeyondTheColourCodesIsRefusedForAnImageWindow) {
    // Only an image window loads its bitmaps, and only then is the code used.
    Read(background + Window("  BMP = 0, 300, 0\r\n|a.bmp|\r\n"));
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->BMP[0], "a.bmp");
    Read(background + Window("  Format = 0, 2\r\n  BMP = 0, 256, 0\r\n|a.bmp|\r\n"));
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("a.bmp")->Transparent, 256);
    try {
        Read(background + Window("  Format = 0, 2\r\n  BMP = 1, 257, 0\r\n|b.bmp|\r\n"));
        FAIL() << "the code 257 was taken";
    } catch (const FormatError& e) {
        EXPECT_STREQ(e.what(), "The bitmap \"b.bmp\" is given the transparent colour code 257; "
                               "colour codes are 0 to 256. (line 9)");
    }
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("b.bmp"), nullptr);
}

} // namespace
} // namespace pw
