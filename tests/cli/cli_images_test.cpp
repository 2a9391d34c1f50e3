// The convert and inspect commands, run in-process as the tool runs them.

#include "cli/cli.h"
#include "support/bmp_bytes.h"
#include "support/picture_bytes.h"
#include "support/temp_drive.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace pw {
namespace {

struct ToolRun {
    int exitCode;
    std::string out, err;
};

class CliImagesTest : public ::testing::Test {
protected:
    TempDrive drive;

    ToolRun Cli(const std::vector<std::string>& arguments) {
        std::ostringstream out, err;
        const int code = RunCli(arguments, out, err);
        return {code, out.str(), err.str()};
    }
    std::string Path(const std::string& name) const { return (drive.root / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(drive.root / name, std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Contents(const std::string& name) const {
        std::ifstream in(drive.root / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::string Header(int w, int h, int bits, int transparent) {
        std::string s;
        for (const int v : {w, h, bits, transparent, 0})
            test::Put32(s, static_cast<std::uint32_t>(v));
        return s;
    }
};

TEST_F(CliImagesTest, ConvertWritesTheDisplayBitmap) {
    const ToolRun two =
        Cli({"convert", Write("two.bmp", test::Bitmap24({{0x20A0A0, 0x20A0A0}})), Path("two.bm")});
    ASSERT_EQ(two.exitCode, 0) << two.err;
    EXPECT_EQ(Contents("two.bm"), Header(2, 1, 8, 256) + "\x2A\xFF");
    EXPECT_NE(two.out.find("Bytes = 22    Width = 2    Height = 1    Colours = 256"),
              std::string::npos)
        << two.out;

    ASSERT_EQ(Cli({"convert", Write("mono.bmp", test::Bitmap1({"1110011111", "0011111111"})),
                   Path("mono.bm")})
                  .exitCode,
              0);
    EXPECT_EQ(Contents("mono.bm"), Header(10, 2, 1, 256) + std::string("\3\2\xFF\0\2\xFF", 6));

    const std::string grey = Write("grey.bmp", test::Bitmap24({test::Row(3, 0x080808)}));
    ASSERT_EQ(Cli({"convert", grey, Path("plain.bm")}).exitCode, 0);
    ASSERT_EQ(Cli({"convert", "--dither", grey, Path("dithered.bm")}).exitCode, 0);
    EXPECT_EQ(Contents("plain.bm"), Header(3, 1, 8, 256) + std::string("\0\xFF", 2));
    EXPECT_EQ(Contents("dithered.bm"), Header(3, 1, 8, 256) + std::string("\0\1\1\1\0\xFF", 6));
}

TEST_F(CliImagesTest, ConvertRefusesWhatItCannotConvert) {
    const ToolRun notBitmap = Cli({"convert", Write("x.bmp", "GIF89a..."), Path("x.bm")});
    EXPECT_EQ(notBitmap.exitCode, 1);
    EXPECT_NE(notBitmap.err.find("FILE TYPE ERROR: The specified file was NOT a bit map."),
              std::string::npos)
        << notBitmap.err;
    EXPECT_FALSE(std::filesystem::exists(drive.root / "x.bm"));

    const std::string cut =
        Write("cut.bmp", test::Bitmap24({test::Row(4, 0), test::Row(4, 0)}).substr(0, 70));
    const ToolRun shortFile = Cli({"convert", cut, Path("cut.bm")});
    EXPECT_EQ(shortFile.exitCode, 1);
    EXPECT_NE(shortFile.err.find(cut), std::string::npos) << shortFile.err;

    const ToolRun missing = Cli({"convert", Path("none.bmp"), Path("none.bm")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos);
    EXPECT_EQ(Cli({"convert", Path("x.bmp")}).exitCode, 2);
}

TEST_F(CliImagesTest, ConvertTakesOtherPicturesFromTheirPixelsWithoutACopy) {
    // Teal (code 42), red (195).
    const ToolRun png =
        Cli({"convert", Write("logo.png", test::PngRow({0xFF20A0A0, 0xFFF03030})), Path("logo.bm")});
    ASSERT_EQ(png.exitCode, 0) << png.err;
    EXPECT_EQ(Contents("logo.bm"), Header(2, 1, 8, 256) + std::string("\x2A\1\xC3\xFF", 4));
    EXPECT_FALSE(std::filesystem::exists(drive.root / "logo.bmp"));

    const std::string eight = test::Bitmap8({0xF03030}, {{0, 0, 0}});
    ASSERT_EQ(Cli({"convert", Write("eight.bmp", eight), Path("eight.bm")}).exitCode, 0);
    EXPECT_EQ(Contents("eight.bm"), Header(3, 1, 8, 256) + "\xC3\xFF");
    EXPECT_EQ(Contents("eight.bmp"), eight);

    // Headers that claim 60000 x 60000 pixels over almost no data: refused by their size.
    std::string bigBitmap = eight;
    test::Set32(bigBitmap, test::kAtWidth, 60000);
    test::Set32(bigBitmap, test::kAtHeight, 60000);
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"big.bmp", bigBitmap},
                                      {"big.png", test::PngClaiming(60000, 60000)}}) {
        const ToolRun big = Cli({"convert", Write(name, bytes), Path("big.bm")});
        EXPECT_EQ(big.exitCode, 1) << name;
        EXPECT_NE(big.err.find("is 60000 x 60000 pixels; at most 4096 pixels a side"),
                  std::string::npos)
            << big.err;
        EXPECT_FALSE(std::filesystem::exists(drive.root / "big.bm"));
    }

    const ToolRun help = Cli({"--help"});
    EXPECT_NE(help.out.find("convert IN OUT.bm [--dither]"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("PNG"), std::string::npos) << help.out;
}

TEST_F(CliImagesTest, InspectPrintsTheHeaderAndDrawsThePicture) {
    // Codes 42, 42, 195, 195, 195, with 195 transparent.
    Write("pic.bm", Header(5, 1, 8, 195) + std::string("\x2A\2\xC3\xFF", 4));
    const ToolRun r = Cli({"inspect", Path("pic.bm"), "--png", Path("pic.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* line : {"Width       = 5\n", "Height      = 1\n", "Bits        = 8\n",
                             "Transparent = 195\n", "Spare       = 0\n", "Data        = 4 bytes\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
    const QImage picture(QString::fromStdString(Path("pic.png")));
    ASSERT_EQ(picture.size(), QSize(5, 1));
    EXPECT_EQ(picture.pixelColor(1, 0), QColor(32, 160, 160));
    EXPECT_EQ(picture.pixelColor(2, 0), QColor(240, 240, 240)); // transparent: the face colour

    // Set pixels white, clear ones black.
    Write("mono.bm", Header(4, 1, 1, 256) + std::string("\1\2\xFF", 3));
    ASSERT_EQ(Cli({"inspect", Path("mono.bm"), "--png", Path("mono.png")}).exitCode, 0);
    const QImage mono(QString::fromStdString(Path("mono.png")));
    EXPECT_EQ(mono.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(mono.pixelColor(1, 0), QColor(0, 0, 0));
    EXPECT_EQ(mono.pixelColor(2, 0), QColor(0, 0, 0));
    EXPECT_EQ(mono.pixelColor(3, 0), QColor(255, 255, 255));
}

TEST_F(CliImagesTest, InspectRefusesDamagedFiles) {
    Write("cut.bm", Header(5, 3, 8, 256) + std::string("\x2A\xFF\x2A", 3));
    const ToolRun cut = Cli({"inspect", Path("cut.bm")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.err.find("1 of its 3 rows"), std::string::npos) << cut.err;

    Write("odd.bm", Header(5, 1, 4, 256) + "\xFF");
    EXPECT_EQ(Cli({"inspect", Path("odd.bm")}).exitCode, 1);

    Write("empty.bm", std::string(20, '\0'));
    EXPECT_EQ(Cli({"inspect", Path("empty.bm")}).exitCode, 0);
    const ToolRun nothing = Cli({"inspect", Path("empty.bm"), "--png", Path("e.png")});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_NE(nothing.err.find("no picture"), std::string::npos);

    const ToolRun font = Cli({"inspect", Write("a.fnt", "font")});
    EXPECT_EQ(font.exitCode, 1);
    EXPECT_NE(font.err.find("a.fnt is not a display font"), std::string::npos) << font.err;
    EXPECT_EQ(Cli({"inspect", Path("empty.bm"), "--png"}).exitCode, 2);
}

} // namespace
} // namespace pw
