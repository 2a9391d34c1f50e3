#include "config/dcf_file.h"
#include "config/dcf_reader.h"
#include "config/input_group.h"
#include "config/window_group.h"
#include "platform/errors.h"
#include "support/editor_fixture.h"

namespace pw {
namespace {

using DcfFormatTest = EditorTest;

TEST_F(DcfFormatTest, AWindowGroupIsWrittenLetterForLetter) {
    cWindow& w = AddWindow(10, 20, 130, 50, wtPosition);
    w.Number = 7;
    w.Tag = 3;
    w.Parameter = -5;
    w.Format = fmCentre | fmVCentre;
    w.DrawType = dtText;
    w.Texture = 2;
    w.FontSize = 20;
    w.FontName = "Arial";
    w.FntFile = "Arial20.fnt";
    w.FontStyle = fsBold | fsUnderline;
    w.FG = 0;
    w.BG0 = 256;
    w.BG = 195;
    w.CurIndex = 1;
    w.Text.Set(0, "unknown");
    w.Text.Set(1, "lowest\r\nfloor");
    std::string file;
    WriteWindowGroup(w, file);
    EXPECT_EQ(file, "[ WINDOW\r\n"
                    "  Type = 1, 7\r\n"
                    "  Tag = 3, -5\r\n"
                    "  Format = 5, 0\r\n"
                    "  Texture = 2\r\n"
                    "  FontSize = 20\r\n"
                    "  FontName = Arial\r\n"
                    "  FntFile = Arial20.fnt\r\n"
                    "  FontStyle = 5\r\n"
                    "  Colours = 0, 256, 195\r\n"
                    "  Position = 10, 20, 130, 50\r\n"
                    "  CurIndex = 1\r\n"
                    "  Text = 0\r\n"
                    "|unknown|\r\n"
                    "  Text = 1\r\n"
                    "|lowest\r\nfloor|\r\n"
                    "WINDOW END ]\r\n"
                    "\r\n");
}

TEST_F(DcfFormatTest, WithoutAFontNameTheThreeFontLinesAreLeftOut) {
    cWindow& w = AddWindow(0, 0, 1, 1);
    w.FntFile = "never.fnt";
    w.FontStyle = fsBold;
    std::string file;
    WriteWindowGroup(w, file);
    EXPECT_EQ(file.find("Font"), file.find("FontSize"));
    EXPECT_EQ(file.find("FntFile"), std::string::npos);
    EXPECT_EQ(file.find("FontStyle"), std::string::npos);
}

TEST_F(DcfFormatTest, BmpLinesComeAfterTheTextsAndOnlyForHeldImages) {
    cWindow& w = AddWindow(0, 0, 1, 1);
    w.DrawType = dtImage;
    w.Text.Set(5, "logo.bm");
    w.BMP[5] = "C:\\KVP\\Work\\logo.bmp";
    w.BMP[6] = "C:\\KVP\\Work\\gone.bmp";
    cImage* image = editor.doc.images.ImageList.AcquireImage("C:\\KVP\\Work\\logo.bmp");
    image->Transparent = 42;
    image->Dithered = true;
    std::string file;
    WriteWindowGroup(w, file);
    const std::string tail = "  Text = 5\r\n|logo.bm|\r\n"
                             "  BMP = 5, 42, 1\r\n|C:\\KVP\\Work\\logo.bmp|\r\n"
                             "WINDOW END ]\r\n\r\n";
    EXPECT_EQ(file.substr(file.size() - tail.size()), tail);
}

TEST(InputGroup, IsWrittenLetterForLetter) {
    cInputSpec job;
    job.JobName = "Lobby";
    job.PosnOffset = "0";
    job.Invert = 4;
    job.SlaveID0 = -1;
    std::string file;
    WriteInputGroup(job, file);
    EXPECT_EQ(file, "[ INPUT\r\n"
                    "  Job Name = Lobby\r\n"
                    "  SubDirectory = \r\n"
                    "  NetIDs = \r\n"
                    "  Invert = 4\r\n"
                    "  InputMode = 1\r\n"
                    "  Flags = 0\r\n"
                    "  NLifts = 3\r\n"
                    "  ID0 = 0\r\n"
                    "  SlaveID0 = -1\r\n"
                    "  PosnOffset = 0\r\n"
                    "  DestTime = 2000\r\n"
                    "  Screen Save = 0\r\n"
                    "INPUT END ]\r\n"
                    "\r\n");
}

TEST(InputGroup, ReadsEveryFieldAndLeavesTheUnnamedOnes) {
    cInputSpec job;
    job.DestTime = 1234;
    DcfReader in("  Job Name = Tower A\r\n  SubDirectory = bank2\r\n  NetIDs = 3,4\r\n"
                 "  Invert =17\r\n  InputMode = 259\r\n  Flags = 3\r\n  NLifts = 6\r\n"
                 "  ID0 = 4\r\n  SlaveID0 = 9\r\n  PosnOffset = -2 1\r\n  Screen Save = 60\r\n"
                 "INPUT END ]\r\n  NLifts = 99\r\n\r\n");
    ReadInputGroup(job, in);
    EXPECT_EQ(job.JobName, "Tower A");
    EXPECT_EQ(job.SubDirectory, "bank2");
    EXPECT_EQ(job.NetIDs, "3,4");
    EXPECT_EQ(job.Invert, 17);
    EXPECT_EQ(job.InputMode, 3); // low eight bits
    EXPECT_EQ(job.Flags, 3);
    EXPECT_EQ(job.NLifts, 6); // the line after the end is not part of the group
    EXPECT_EQ(job.ID0, 4);
    EXPECT_EQ(job.SlaveID0, 9);
    EXPECT_EQ(job.PosnOffset, "-2 1");
    EXPECT_EQ(job.ScreenSave, 60);
    EXPECT_EQ(job.DestTime, 1234);
}

TEST(DcfReader, NumbersHaveNoSign) {
    std::size_t pos = 0;
    EXPECT_EQ(FirstNumber("  Tag = 3, -5", pos), 3u);
    EXPECT_EQ(ScanNumber("  Tag = 3, -5", pos), 0u);
    EXPECT_EQ(ScanNumber("  Tag = 3, -5", pos), 0u); // stuck at the '-'
    pos = 0;
    EXPECT_EQ(FirstNumber("no equals 12", pos), 0u);
    pos = 0;
    EXPECT_EQ(FirstNumber("x = 2147483647", pos), 2147483647u);
    pos = 0;
    EXPECT_THROW(FirstNumber("x = 2147483648", pos), FormatError);
    pos = 0;
    EXPECT_THROW(FirstNumber("x = 99999999999999999999999", pos), FormatError);
    EXPECT_EQ(ValueText("  Job Name = A = B"), "A = B");
    EXPECT_EQ(ValueText("  Job Name ="), "");
}

TEST(DcfReader, TheLastLineIsNeverInterpreted) {
    std::string_view line;
    DcfReader a("one\r\ntwo\r\n");
    EXPECT_TRUE(a.ReadLine(line));
    EXPECT_EQ(line, "one");
    EXPECT_FALSE(a.ReadLine(line));
    DcfReader b("one\r\ntwo");
    EXPECT_TRUE(b.ReadLine(line));
    EXPECT_FALSE(b.ReadLine(line));
    EXPECT_EQ(line, "two");
    DcfReader c("");
    EXPECT_FALSE(c.ReadLine(line));
}

TEST(DcfReader, DelimitedTextsStopAtTheDelimiterOrAfter4000Characters) {
    DcfReader a("|two\r\nlines|rest\r\nnext\r\n");
    EXPECT_EQ(a.ReadDelimited(), "two\r\nlines");
    std::string_view line;
    EXPECT_TRUE(a.ReadLine(line));
    EXPECT_EQ(line, "rest");
    const std::string longFile = "|" + std::string(4100, 'x') + "|\r\n\r\n";
    DcfReader b(longFile);
    EXPECT_EQ(b.ReadDelimited(), std::string(4000, 'x'));
    EXPECT_TRUE(b.ReadLine(line));
    EXPECT_EQ(line, std::string(99, 'x') + "|"); // the 4001st character is dropped
    DcfReader c("|unterminated");
    EXPECT_EQ(c.ReadDelimited(), "unterminated");
}

// Fed a few bytes at a time, as a large file is, the reader gives the lines and texts it gives
// with the whole file at hand: what it hands out never shows bytes that taking more moved.
TEST(DcfReader, ReadsInPiecesWhatItReadsWhole) {
    const std::string file = "[ WINDOW\r\n  Text = 0\r\n|two\r\nlines|\r\nCR\rLF\n\r\n"
                             "  BMP = 1\r\n|pic.bmp|after\r\nlast";
    const auto transcript = [](DcfReader& reader) {
        std::vector<std::string> seen;
        std::string_view line;
        for (bool more = true; more;) {
            more = reader.ReadLine(line);
            seen.emplace_back(line);
            if (StartsWith(line, "  Text") || StartsWith(line, "  BMP"))
                seen.emplace_back(reader.ReadDelimited());
            seen.push_back(std::to_string(reader.LineNumber()));
        }
        return seen;
    };
    DcfReader whole(file);
    const std::vector<std::string> expected = transcript(whole);
    ASSERT_EQ(expected.size(), 20u);
    for (std::size_t piece = 1; piece <= 4; ++piece) {
        std::size_t at = 0;
        DcfReader pieces([&](std::string& bytes) {
            if (at >= file.size()) return false;
            bytes.append(file, at, piece);
            at += piece;
            return true;
        });
        EXPECT_EQ(transcript(pieces), expected) << piece << " bytes at a time";
    }
}

} // namespace
} // namespace pw
