#include "config/dcf_file.h"
#include "config/layout_parse.h"
#include "platform/errors.h"
#include "support/window_groups_fixture.h"

namespace pw {
namespace {

class DcfReadTest : public WindowGroupsTest {
protected:
    const std::string background =
        Window("  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n  Position = 0, 0, 799, 599\r\n");
};

TEST_F(DcfReadTest, TheFirstWindowGivesTheDisplaySizeAndBackgroundColour) {
    Read(Window("  Type = 3, 9\r\n  Colours = 1, 200, 2\r\n  Position = 0, 0, 479, 639\r\n"));
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 1u);
    EXPECT_EQ(editor.doc.layout.BackgroundColour, 200);
    EXPECT_EQ(editor.view.canvas.Width(), 480);
    EXPECT_EQ(editor.view.canvas.Height(), 640);
    EXPECT_EQ(editor.doc.layout.CurWindow, WindowAt(editor.doc.layout, 0));
    EXPECT_FALSE(editor.view.Loading);
}

TEST_F(DcfReadTest, NegativeValuesReadBackAsZero) {
    Read(background + Window("  Tag = 3, -5\r\n  Position = -4, 10, 20, 30\r\n"));
    const cWindow& w = *WindowAt(editor.doc.layout, 1);
    EXPECT_EQ(w.Tag, 3u);
    EXPECT_EQ(w.Parameter, 0);
    EXPECT_EQ((Rect{w.X0, w.Y0, w.X1, w.Y1}), (Rect{0, 0, 0, 0}));
}

TEST_F(DcfReadTest, ABarInATextCutsItAndTheRestIsAnOrdinaryLine) {
    Read(background + Window("  Text = 2\r\n|left|  CurIndex = 7\r\n"));
    const cWindow& w = *WindowAt(editor.doc.layout, 1);
    EXPECT_EQ(w.Text[2], "left");
    EXPECT_EQ(w.CurIndex, 7);
}

TEST_F(DcfReadTest, AnIndexBeyond99IsReadAndDropped) {
    Read(background + Window("  Text = 150\r\n|dropped|\r\n  Text = 99\r\n|last|\r\n"
                             "  BMP = 150, 256, 0\r\n|x.bmp|\r\n"));
    const cWindow& w = *WindowAt(editor.doc.layout, 1);
    EXPECT_EQ(w.Text[99], "last");
    for (int i = 0; i < 99; ++i) EXPECT_TRUE(w.Text[i].empty() && w.BMP[i].empty());
}

TEST_F(DcfReadTest, KeysAreFoundAnywhereInTheLineExceptTextAndBmp) {
    Read(background + Window("xx Type = 5, 12\r\n Text = 1\r\n|not a text|\r\n"
                             "  FontName = Arial\r\n  FontStyle = 255\r\n"));
    const cWindow& w = *WindowAt(editor.doc.layout, 1);
    EXPECT_EQ(w.Type, 5);
    EXPECT_EQ(w.Number, 12u);
    EXPECT_TRUE(w.Text[1].empty());
    EXPECT_EQ(w.FontStyle, 15); // bits beyond the four styles are ignored
}

TEST_F(DcfReadTest, ABmpLineBeforeTheFormatLineStoresTheNameOnly) {
    Read(background + Window("  BMP = 0, 12, 1\r\n|early.bmp|\r\n  Format = 0, 2\r\n"));
    const cWindow& w = *WindowAt(editor.doc.layout, 1);
    EXPECT_EQ(w.BMP[0], "early.bmp");
    EXPECT_EQ(w.DrawType, dtImage);
    EXPECT_TRUE(host.messages.empty()); // nothing was loaded, so nothing reported missing
}

TEST_F(DcfReadTest, ANameReadBeforeTheDrawTypeHoldsNoCountToGiveUp) {
    Read(background + Window("  BMP = 0, 12, 1\r\n|/nonexistent/shared.bmp|\r\n  Format = 0, 2\r\n") +
         Window("  Format = 0, 2\r\n  BMP = 0, 12, 1\r\n|/nonexistent/shared.bmp|\r\n"));
    ASSERT_NE(editor.doc.images.ImageList.FindImage("/nonexistent/shared.bmp"), nullptr);
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("/nonexistent/shared.bmp")->RefCount, 1u);
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, WindowAt(editor.doc.layout, 1));
    EXPECT_NE(editor.doc.images.ImageList.FindImage("/nonexistent/shared.bmp"), nullptr);
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, WindowAt(editor.doc.layout, 1));
    EXPECT_EQ(editor.doc.images.ImageList.FindImage("/nonexistent/shared.bmp"), nullptr);
}

TEST_F(DcfReadTest, AOneLineUnknownGroupSwallowsTheNextWindowGroup) {
    Read(background + "[ EXTRA ]\r\n" + Window("  Type = 7, 5\r\n") + Window("  Type = 2, 6\r\n"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Unknown group [ EXTRA ]");
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->Number, 6u);
}

TEST_F(DcfReadTest, ThousandsOfUnknownGroupsGiveAFewMessages) {
    std::string file = background;
    for (int i = 0; i < 5000; ++i) file += "[ JUNK\r\nx\r\n]\r\n";
    file += Window("  Type = 7, 5\r\n");
    Read(file);
    EXPECT_EQ(host.messages.size(), 6u);
    EXPECT_EQ(host.messages.back().text, "4995 more unknown groups were skipped.");
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
}

TEST_F(DcfReadTest, TheFileMayEndRightAfterTheEndLine) {
    std::string file = background + Window("  Type = 7, 5\r\n  CurIndex = 3\r\n");
    file.resize(file.size() - 2); // without the empty line
    Read(file);
    ASSERT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->CurIndex, 3);
}

TEST_F(DcfReadTest, AKeyOnTheLastLineIsNotRead) {
    Read(background + "[ WINDOW\r\n  Type = 7, 5\r\n  CurIndex = 3\r\n");
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->CurIndex, 0);
    Read(background + "[ WINDOW\r\n  Type = 7, 5\r\n  CurIndex = 3");
    EXPECT_EQ(WindowAt(editor.doc.layout, 1)->CurIndex, 0);
}

TEST_F(DcfReadTest, ANumberTooLargeStopsTheReadWithAnErrorAndKeepsWhatWasRead) {
    try {
        Read(background + Window("  Type = 7, 99999999999\r\n") + Window("  Type = 2, 6\r\n"));
        FAIL() << "no error";
    } catch (const FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("Arithmetic overflow"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("(line 8)"), std::string::npos);
    }
    EXPECT_EQ(editor.doc.layout.WindowList.size(), 2u);
    EXPECT_FALSE(editor.view.Loading);
}

TEST_F(DcfReadTest, AnAbsurdDisplaySizeIsRefusedBeforeTheCanvasGrows) {
    EXPECT_THROW(Read(Window("  Position = 0, 0, 2000000000, 599\r\n")), FormatError);
    EXPECT_EQ(editor.view.canvas.Width(), 640);
}

TEST_F(DcfReadTest, AnEmptyFileLeavesNoWindowsAndTheJobAsItWas) {
    editor.doc.layout.InputSpec.JobName = "kept";
    Read("");
    EXPECT_TRUE(editor.doc.layout.WindowList.empty());
    EXPECT_EQ(editor.doc.layout.CurWindow, nullptr);
    EXPECT_EQ(editor.doc.layout.InputSpec.JobName, "kept");
}

TEST_F(DcfReadTest, ReadingPieceByPieceReadsWhatTheWholeTextReads) {
    // Line ends of every kind, a text longer than a file may hold and a last text cut short,
    // split at every place some piece size puts the seams.
    const std::string text =
        background +
        Window("  Type = 3, 2\r  Tag = 4, 5\n  Text = 1\r\n|" + std::string(kMaxFileText + 9, 'a') +
               "|\r\n  Text = 2\r\n|two\r\nlines|\r\n  CurIndex = 2\r\n") +
        "[ WINDOW\r\n  Text = 3\r\n|cut short";
    const ParsedLayout whole = ParseLayout(text, editor.doc.layout, host);
    ASSERT_EQ(whole.layout.WindowList.size(), 3u);
    for (const std::size_t piece : {1u, 2u, 3u, 7u, 4001u}) {
        std::size_t at = 0;
        DcfReader in([&](std::string& bytes) {
            if (at >= text.size()) return false;
            bytes += text.substr(at, piece);
            at += piece;
            return true;
        });
        const ParsedLayout read = ParseLayout(in, editor.doc.layout, host);
        EXPECT_EQ(WriteLayoutText(read.layout), WriteLayoutText(whole.layout)) << piece;
        EXPECT_EQ(read.endedEarly, whole.endedEarly);
        ASSERT_EQ(read.layout.WindowList.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(read.layout.WindowList[i]->Lines, whole.layout.WindowList[i]->Lines) << piece;
    }
}

} // namespace
} // namespace pw
