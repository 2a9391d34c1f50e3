// The check of a whole layout, one kind of problem at a time, on layouts made here. The fake
// text engine makes every character height / 2 pixels wide and a line height pixels high, so
// each pixel figure below is worked out from the window's edges by hand.

#include "check/generate_question.h"
#include "check/layout_check.h"
#include "config/dcf_file.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"
#include "windows/window_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace pw {
namespace {

class LayoutCheckTest : public ::testing::Test {
protected:
    FakeTextEngine engine;
    DisplayFonts fonts;
    Layout layout;
    ImageStore images;

    void SetUp() override { Add(wtBackground, 0, 0, 639, 479).BG0 = 42; }

    cWindow& Add(std::uint8_t type, int x0, int y0, int x1, int y1) {
        cWindow& w = NewWindow(layout);
        w.Type = type;
        w.X0 = x0, w.Y0 = y0, w.X1 = x1, w.Y1 = y1;
        w.BG0 = w.BG = kTransparentForTest;
        return w;
    }
    // A text window in Arial 20: characters 10 pixels wide, lines 20 high.
    cWindow& AddText(int x0, int y0, int x1, int y1, int index, const std::string& text,
                     std::int32_t format = 0) {
        cWindow& w = Add(wtMessage, x0, y0, x1, y1);
        w.FontName = "Arial";
        w.FontSize = 20;
        w.Format = format;
        w.Text.Set(index, text);
        return w;
    }
    std::vector<Problem> Check() { return CheckLayout(layout, images, engine, fonts); }

    static constexpr int kTransparentForTest = 256;
};

void ExpectOne(const std::vector<Problem>& problems, ProblemKind kind, Severity severity,
               std::uint32_t window, int index, std::optional<long long> pixels) {
    ASSERT_EQ(problems.size(), 1u) << (problems.empty() ? "" : problems[0].message);
    EXPECT_EQ(problems[0].kind, kind) << problems[0].message;
    EXPECT_EQ(problems[0].severity, severity);
    EXPECT_EQ(problems[0].window, window);
    EXPECT_EQ(problems[0].index, index);
    EXPECT_EQ(problems[0].pixels, pixels) << problems[0].message;
}

TEST_F(LayoutCheckTest, AGoodLayoutHasNoProblem) {
    AddText(10, 10, 109, 59, 0, "Hello");
    cWindow& position = Add(wtPosition, 200, 10, 299, 59);
    cWindow& destination = Add(wtDestination, 200, 100, 299, 149);
    for (cWindow* w : {&position, &destination}) {
        w->FontName = "Arial";
        w->FontSize = 20;
        w->Text.Set(0, "-");
        w->Text.Set(1, "G");
        w->Text.Set(2, "1");
    }
    EXPECT_EQ(Check(), std::vector<Problem>{});
}

TEST_F(LayoutCheckTest, TextsTooWideAreMeasuredAsTheDisplayDrawsThem) {
    // 100 columns 10..109; text starts two to the right of its place. Nine characters fit:
    // 12..101. Ten end at 111, two past the edge.
    AddText(10, 10, 109, 59, 0, "123456789");
    AddText(10, 10, 109, 59, 7, "1234567890");
    std::vector<Problem> problems = Check();
    ExpectOne(problems, ProblemKind::TextTooWide, Severity::Error, 3, 7, 2);

    // Centred, 120 wide: (109 + 10 - 120) / 2 = 0, drawn at 2..121: 8 left and 12 right.
    layout.WindowList.pop_back();
    AddText(10, 10, 109, 59, 4, "123456789012", fmCentre);
    ExpectOne(Check(), ProblemKind::TextTooWide, Severity::Error, 4, 4, 20);

    // Right-aligned, a line ends at the right edge less one, and two further on: every
    // right-aligned text passes its window by a column on the display.
    layout.WindowList.pop_back();
    AddText(10, 10, 109, 59, 1, "12345", fmRight);
    ExpectOne(Check(), ProblemKind::TextTooWide, Severity::Error, 5, 1, 1);

    // The line that passes most counts: "12345678901" ends at 121.
    layout.WindowList.pop_back();
    AddText(10, 10, 109, 89, 2, "12\r\n12345678901\r\n1234567890");
    ExpectOne(Check(), ProblemKind::TextTooWide, Severity::Error, 6, 2, 12);
    // Without CR a line runs to the end of the text, line feeds and all, as the renderer
    // draws it: the first line is "1234\n123456", 100 wide (the standard set has no line
    // feed), the second "123456".
    layout.WindowList.pop_back();
    AddText(10, 10, 109, 89, 2, "1234\n123456");
    ExpectOne(Check(), ProblemKind::TextTooWide, Severity::Error, 7, 2, 2);
}

TEST_F(LayoutCheckTest, LinesTallerThanTheWindow) {
    // 50 rows 10..59; three lines of 20 take 60.
    AddText(10, 10, 209, 59, 3, "a\r\nb\r\nc");
    ExpectOne(Check(), ProblemKind::TextTooTall, Severity::Error, 2, 3, 10);
    // Centred vertically: (10 + 59 - 60) / 2 = 4, rows 4..63: 6 above, 4 below.
    layout.WindowList.pop_back();
    AddText(10, 10, 209, 59, 3, "a\r\nb\r\nc", fmVCentre);
    ExpectOne(Check(), ProblemKind::TextTooTall, Severity::Error, 3, 3, 10);
    // Two lines fit exactly.
    layout.WindowList.pop_back();
    AddText(10, 10, 209, 49, 3, "a\r\nb");
    EXPECT_TRUE(Check().empty());
}

TEST_F(LayoutCheckTest, AWindowLowerThanALineIsOneProblemNotOnePerText) {
    cWindow& w = AddText(10, 10, 209, 24, 0, "a");
    w.Text.Set(5, "b");
    ExpectOne(Check(), ProblemKind::WindowBelowLine, Severity::Error, 2, kNoIndex, 5);
}

TEST_F(LayoutCheckTest, CharactersTheFontFileCannotHold) {
    AddText(10, 10, 209, 59, 9, "Caf\xE9");
    const std::vector<Problem> problems = Check();
    ExpectOne(problems, ProblemKind::UnshownCharacters, Severity::Error, 2, 9, std::nullopt);
    EXPECT_NE(problems[0].message.find("\"\xE9\""), std::string::npos);
    EXPECT_NE(problems[0].message.find("Arial20.fnt"), std::string::npos);
}

TEST_F(LayoutCheckTest, ControlCharactersTakeRoomOnlyInAFontOfTheCharactersInUse) {
    // In the standard set a tab has no glyph: nine characters after three tabs still fit.
    AddText(10, 10, 109, 59, 0, "\t\t\t123456789");
    EXPECT_TRUE(Check().empty());
    // At 240 pixels the standard set passes the size limit, so the file holds the tab,
    // 120 wide: "\tAB" is 360, drawn at 2..361 in 0..299.
    layout.WindowList.pop_back();
    cWindow& w = AddText(0, 0, 299, 299, 1, "\tAB");
    w.FontSize = 240;
    w.Text.Set(2, "AB");
    ExpectOne(Check(), ProblemKind::TextTooWide, Severity::Error, 3, 1, 62);
}

TEST_F(LayoutCheckTest, FontsGenerateFilesWouldRefuseOrMakeFromAnotherFace) {
    AddText(10, 10, 209, 59, 0, "a").FontSize = 5000;
    ExpectOne(Check(), ProblemKind::FontRefused, Severity::Error, 2, kNoIndex, std::nullopt);
    layout.WindowList.pop_back();
    engine.missingFaces = {"Nowhere"};
    AddText(10, 10, 209, 59, 0, "a").FontName = "Nowhere";
    const std::vector<Problem> problems = Check();
    ExpectOne(problems, ProblemKind::FontFaceMissing, Severity::Warning, 3, kNoIndex, std::nullopt);
    EXPECT_NE(problems[0].message.find("Fallback"), std::string::npos);
}

TEST_F(LayoutCheckTest, DisplaySizesOtherThanTheFourTheDisplaysHave) {
    for (const auto& [width, height, wrong] : {std::tuple{800, 600, false},
                                               {480, 640, false},
                                               {600, 800, false},
                                               {1, 1, true},
                                               {640, 481, true}}) {
        layout.WindowList[0]->X1 = width - 1;
        layout.WindowList[0]->Y1 = height - 1;
        const std::vector<Problem> problems = Check();
        if (wrong)
            ExpectOne(problems, ProblemKind::DisplaySize, Severity::Error, 1, kNoIndex,
                      std::nullopt);
        else
            EXPECT_TRUE(problems.empty()) << width << " x " << height;
    }
}

TEST_F(LayoutCheckTest, WindowsOutsideTheDisplay) {
    Add(wtMessage, 600, 10, 700, 20);
    ExpectOne(Check(), ProblemKind::WindowOutside, Severity::Error, 2, kNoIndex, 61);
    layout.WindowList.pop_back();
    Add(wtMessage, 700, 10, 750, 20);
    ExpectOne(Check(), ProblemKind::WindowOutside, Severity::Error, 3, kNoIndex, std::nullopt);
    // A window from a damaged file at the ends of the number range.
    layout.WindowList.pop_back();
    Add(wtMessage, INT_MIN, 0, INT_MAX, 10);
    ExpectOne(Check(), ProblemKind::WindowOutside, Severity::Error, 4, kNoIndex,
              -static_cast<long long>(INT_MIN));
}

TEST_F(LayoutCheckTest, WindowsWhollyHiddenUnderOpaqueWindowsDrawnAfterThem) {
    Add(wtMessage, 10, 10, 50, 50);
    cWindow& left = Add(wtMessage, 0, 0, 30, 100);
    cWindow& right = Add(wtMessage, 31, 0, 60, 100);
    // Transparent covers hide nothing.
    EXPECT_TRUE(Check().empty());
    left.BG0 = left.BG = right.BG0 = right.BG = 42;
    ExpectOne(Check(), ProblemKind::WindowHidden, Severity::Warning, 2, kNoIndex, std::nullopt);
    // A cover transparent at one index does not hide what is under it there.
    right.BG = 256;
    EXPECT_TRUE(Check().empty());
    // Background objects are drawn first, wherever they are in the list.
    right.BG = 42;
    right.Type = left.Type = wtBackground;
    EXPECT_TRUE(Check().empty());
    // The members of a Shared group take turns in one place.
    right.Type = left.Type = wtMessage;
    cWindow& hidden = *layout.WindowList[1];
    for (cWindow* w : {&hidden, &left, &right}) {
        w->Format = fmShared;
        w->Tag = 9;
    }
    EXPECT_TRUE(Check().empty());
}

TEST_F(LayoutCheckTest, BitmapsMissingUnreadableOrLargerThanTheirWindow) {
    cWindow& w = Add(wtBackground, 10, 10, 109, 59);
    w.DrawType = dtImage;
    w.BMP[0] = "gone.bmp";
    images.AcquireImage("gone.bmp"); // what reading leaves for a file that is not there
    w.BMP[3] = "broken.bmp";
    w.BMP[5] = "big.bmp";
    cImage& big = *images.AcquireImage("big.bmp");
    big.Width = 120, big.Height = 40, big.Data = {0, 1, kRowEnd};
    w.BMP[6] = "fits.bmp";
    cImage& fits = *images.AcquireImage("fits.bmp");
    fits.Width = 100, fits.Height = 50, fits.Data = {0, 1, kRowEnd};
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].kind, ProblemKind::BitmapMissing);
    EXPECT_EQ(problems[0].index, 0);
    EXPECT_EQ(problems[1].kind, ProblemKind::BitmapUnreadable);
    EXPECT_EQ(problems[1].index, 3);
    EXPECT_EQ(problems[2].kind, ProblemKind::BitmapTooLarge);
    EXPECT_EQ(problems[2].index, 5);
    EXPECT_EQ(problems[2].pixels, 20);
    for (const Problem& p : problems) EXPECT_EQ(p.window, 2u);
}

TEST_F(LayoutCheckTest, GapsInFloorsAndStatusesAndFloorsWithoutADestination) {
    cWindow& position = Add(wtPosition, 10, 10, 109, 59);
    position.DrawType = dtImage; // a floor shown as a bitmap counts as named
    position.BMP[1] = "g.bmp";
    position.BMP[3] = "2.bmp";
    cWindow& status = Add(wtLiftStatus, 10, 100, 109, 149);
    status.Text.Set(2, "FIRE"); // index 0 is the lift in service, 1 is a gap
    cWindow& destination = Add(wtDestination, 10, 200, 109, 249);
    destination.Text.Set(1, "Lobby");
    for (const auto& [name, image] : {std::pair{"g.bmp", &position}, {"2.bmp", &position}}) {
        cImage& i = *images.AcquireImage(name);
        i.Width = i.Height = 1, i.Data = {0, 1, kRowEnd};
        (void)image;
    }
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(std::tuple(problems[0].kind, problems[0].window, problems[0].index),
              std::tuple(ProblemKind::TextGap, 2u, 2));
    EXPECT_EQ(std::tuple(problems[1].kind, problems[1].window, problems[1].index),
              std::tuple(ProblemKind::TextGap, 3u, 1));
    EXPECT_EQ(std::tuple(problems[2].kind, problems[2].window, problems[2].index),
              std::tuple(ProblemKind::DestinationMissing, 4u, 3));
    for (const Problem& p : problems) EXPECT_EQ(p.severity, Severity::Warning);
}

TEST_F(LayoutCheckTest, ProblemsPointAtTheLinesOfTheFile) {
    const std::string file =
        "[ WINDOW\r\n  Type = 0, 1\r\n  Position = 0, 0, 639, 479\r\nWINDOW END ]\r\n\r\n" // 1-5
        "[ WINDOW\r\n  Type = 7, 2\r\n  FontName = Arial\r\n  FontSize = 20\r\n"           // 6-9
        "  Position = 10, 10, 109, 59\r\n  Text = 0\r\n|fits|\r\n  Text = 4\r\n"           // 10-13
        "|far too wide to fit|\r\nWINDOW END ]\r\n\r\n"                                    // 14-16
        "[ WINDOW\r\n  Type = 7, 3\r\n  Position = 700, 0, 710, 10\r\nWINDOW END ]\r\n\r\n"; // 17-
    RecordingHost host;
    DcfReader reader(file);
    ReadGroups(layout, reader, host);
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(std::tuple(problems[0].window, problems[0].index, problems[0].line),
              std::tuple(2u, 4, 13u));
    EXPECT_EQ(std::tuple(problems[1].window, problems[1].index, problems[1].line),
              std::tuple(3u, kNoIndex, 17u));
}

TEST_F(LayoutCheckTest, GenerateFilesAsksOnlyWhenThereAreErrors) {
    RecordingHost host;
    const Problem warning{Severity::Warning, ProblemKind::TextGap, 2, 1, 0, "gap", std::nullopt};
    Problem error = warning;
    error.severity = Severity::Error;
    EXPECT_TRUE(GenerateDespiteProblems(host, std::vector{warning}));
    EXPECT_TRUE(host.questions.empty());
    host.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(GenerateDespiteProblems(host, std::vector{error, warning, error}));
    EXPECT_TRUE(GenerateDespiteProblems(host, std::vector{error}));
    ASSERT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(host.questions[0], "The layout has 2 problems that the displays would show (see "
                                 "Problems). Generate the files anyway ?");
}

TEST_F(LayoutCheckTest, AHostileLayoutIsCheckedInTime) {
    // Every index of every window set, in fonts of every size up to past the largest, with
    // texts of many lines that do not end in CR LF, over the edges of the number range.
    for (int i = 0; i < 150; ++i) {
        cWindow& w = AddText(i % 2 ? INT_MIN : 0, 0, i % 3 ? INT_MAX : 10, i, 0, "");
        w.FontSize = i * 40 - 100;
        w.Format = i % 8;
        for (int i = 0; i < kIndexCount; ++i)
            w.Text.Set(i, std::string(200, 'W') + std::string(200, '\n'));
    }
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Problem> problems = Check();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_GT(CountErrors(problems), 150u);
}

} // namespace
} // namespace pw
