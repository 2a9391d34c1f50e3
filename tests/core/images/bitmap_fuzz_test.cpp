// Mutated and cut bitmaps: every one is either refused with a message or converted into
// well-formed run data, and nothing is read outside the file (the sanitize build checks).

#include "images/bitmap_reader.h"
#include "images/load_image.h"
#include "images/run_walk.h"
#include "shell/editor.h"
#include "support/bmp_bytes.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"
#include "support/temp_drive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace pw {
namespace {

class BitmapFuzzTest : public ::testing::Test {
protected:
    std::mt19937 random{20240611};
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }

    std::string RandomBitmap() {
        const int width = Uniform(1, 40), height = Uniform(1, 12);
        if (Uniform(0, 1)) {
            std::vector<std::string> rows;
            for (int y = 0; y < height; ++y) {
                std::string row;
                char bit = Uniform(0, 1) ? '1' : '0';
                for (int x = 0; x < width; ++x) {
                    if (Uniform(0, 3) == 0) bit = bit == '1' ? '0' : '1';
                    row += bit;
                }
                rows.push_back(row);
            }
            return test::Bitmap1(rows, Uniform(0, 1));
        }
        std::vector<std::vector<std::uint32_t>> rows(height);
        for (auto& row : rows)
            for (int x = 0; x < width; ++x)
                row.push_back(Uniform(0, 2) ? static_cast<std::uint32_t>(Uniform(0, 0xFFFFFF))
                                            : 0x20A0A0);
        return test::Bitmap24(rows);
    }

    std::string Mutated(std::string file) {
        static const std::uint32_t interesting[] = {
            0, 1, 2, 8, 24, 40, 54, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 16384, 16385, 4096, 62};
        switch (Uniform(0, 4)) {
        case 0: // a few bytes anywhere, mostly in the headers
            for (int n = Uniform(1, 6); n > 0; --n) {
                const int end = static_cast<int>(file.size()) - 1;
                file[Uniform(0, Uniform(0, 1) ? std::min(61, end) : end)] =
                    static_cast<char>(Uniform(0, 255));
            }
            break;
        case 1: { // a header field set to a value that tends to break things
            static const std::size_t fields[] = {2, 10, 14, 18, 22, 34, 46};
            const std::size_t at = fields[Uniform(0, 6)];
            const std::uint32_t v = interesting[Uniform(0, 13)];
            test::Set32(file, at, v == 62 ? static_cast<std::uint32_t>(file.size()) : v);
            break;
        }
        case 2: // the bit count
            test::Set16(file, test::kAtBitCount, interesting[Uniform(0, 13)] & 0xFFFF);
            break;
        case 3: // cut short
            file.resize(static_cast<std::size_t>(Uniform(0, static_cast<int>(file.size()))));
            break;
        default: // junk added
            file += std::string(static_cast<std::size_t>(Uniform(1, 100)), '\xFE');
        }
        return file;
    }

    // Either a refusal with one message and no data, or well-formed data and no message.
    void Check(const cImage& image, std::uint32_t result, const std::string& file) {
        if (result == 0) {
            ASSERT_EQ(host.messages.size(), 1u) << testing::PrintToString(file);
            EXPECT_TRUE(image.Data.empty());
            return;
        }
        ASSERT_TRUE(host.messages.empty()) << host.messages[0].text;
        ASSERT_EQ(result, 20 + image.DataLength());
        ASSERT_TRUE(image.Bits == 1 || image.Bits == 8);
        ASSERT_GE(image.Width, 1);
        ASSERT_GE(image.Height, 1);
        const RunWalkResult walk = WalkRuns(image, [](int, int, int, int) {});
        ASSERT_EQ(walk.rowsEnded, image.Height);
        ASSERT_EQ(walk.bytesUsed, image.Data.size());
    }
};

TEST_F(BitmapFuzzTest, MutatedBitmapsAreRefusedOrConvertedCleanly) {
    for (int round = 0; round < 4000; ++round) {
        const std::string file = Mutated(RandomBitmap());
        host.messages.clear();
        cImage image;
        image.FileName = "fuzz.bmp";
        editor.doc.images.Dither = round % 3 == 0;
        const std::uint32_t result = ReadBitmap(editor.doc.images, image, file);
        ASSERT_NO_FATAL_FAILURE(Check(image, result, file)) << "round " << round;
    }
}

TEST_F(BitmapFuzzTest, TheStoreKeepsOnlyTheImagesItCouldRead) {
    TempDrive drive;
    int loaded = 0;
    for (int round = 0; round < 150; ++round) {
        const std::string name = "C:\\f" + std::to_string(round) + ".bmp";
        std::ofstream(drive.root / ("f" + std::to_string(round) + ".bmp"), std::ios::binary)
            << Mutated(RandomBitmap());
        host.messages.clear();
        const cImage* image = LoadImage(editor.doc.images, name);
        EXPECT_EQ(image == nullptr, !host.messages.empty());
        EXPECT_EQ(editor.doc.images.ImageList.FindImage(name), image);
        if (image) ++loaded;
    }
    ASSERT_EQ(editor.doc.images.ImageList.Images().size(), static_cast<std::size_t>(loaded));
    for (const auto& image : editor.doc.images.ImageList.Images()) EXPECT_EQ(image->RefCount, 1u);
    EXPECT_GT(loaded, 10);  // the mutations leave plenty of good files
    EXPECT_LT(loaded, 140); // and plenty of bad ones
}

} // namespace
} // namespace pw
