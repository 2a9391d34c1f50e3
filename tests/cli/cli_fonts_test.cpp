// The inspect command on display font files.

#include "cli/cli.h"
#include "support/bmp_bytes.h"
#include "support/temp_drive.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace pw {
namespace {

constexpr QColor kFace(240, 240, 240), kWhite(255, 255, 255), kBlack(0, 0, 0);

class CliFontsTest : public ::testing::Test {
protected:
    TempDrive drive;

    std::string Path(const std::string& name) const { return (drive.root / name).string(); }

    // Two rows per glyph below a margin of one: a line break 0 wide; 'A' 3 wide, one pixel
    // in the middle of its first row and a full second row; 'B' 2 wide, its second row's
    // right pixel.
    std::string WriteFont(const std::string& name) {
        std::string s;
        for (const std::uint32_t field : {2, 1, 3, 0}) test::Put32(s, field);
        for (int code = 0; code < 128; ++code)
            test::Put32(s, code == 10 ? 528 : code == 'A' ? 532 : code == 'B' ? 539 : 0);
        s += std::string("\0\0\xFF\xFF", 4) + std::string("\3\0\1\1\xFF\0\xFF", 7) +
             std::string("\2\0\xFF\1\xFF", 5);
        std::ofstream(drive.root / name, std::ios::binary) << s;
        return Path(name);
    }
};

TEST_F(CliFontsTest, InspectPrintsTheHeaderAndCharactersAndDrawsAGlyphSheet) {
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"inspect", WriteFont("f.fnt"), "--png", Path("f.png")}, out, err), 0)
        << err.str();
    for (const char* line : {"Rows per glyph = 2\n", "Top margin     = 1\n", "Size           = 3\n",
                             "Reserved       = 0\n", "Glyphs         = 3\n",
                             "Codes          = 10 65-66\n", "Characters     = AB\n"})
        EXPECT_NE(out.str().find(line), std::string::npos) << out.str();

    // Slots 3 + 1 pixels wide and 2 + 1 high, after a pixel of face colour: the top margin,
    // blank in every glyph, is left out.
    const QImage sheet(QString::fromStdString(Path("f.png")));
    ASSERT_EQ(sheet.size(), QSize(13, 4));
    const auto row = [&](int y, int x0, int x1) {
        std::vector<QColor> colours;
        for (int x = x0; x <= x1; ++x) colours.push_back(sheet.pixelColor(x, y));
        return colours;
    };
    using Colours = std::vector<QColor>;
    EXPECT_EQ(row(0, 0, 12), Colours(13, kFace));
    // The line break's cell is 0 wide; 'A' then 'B'.
    EXPECT_EQ(row(1, 0, 12), (Colours{kFace, kFace, kFace, kFace, kFace, kWhite, kBlack, kWhite,
                                      kFace, kWhite, kWhite, kFace, kFace}));
    EXPECT_EQ(row(2, 5, 10), (Colours{kBlack, kBlack, kBlack, kFace, kWhite, kBlack}));
    EXPECT_EQ(row(3, 0, 12), Colours(13, kFace));
}

} // namespace
} // namespace pw
