#include "images/nearest_code.h"

#include "reference/nearest_code_reference.h"
#include "display/colour.h"
#include "shell/editor.h"
#include "support/fake_text_engine.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <random>

namespace pw {
namespace {

class NearestCodeTest : public ::testing::Test {
protected:
    RecordingHost host;
    FakeTextEngine text;
    Editor editor{host, text};
};

TEST_F(NearestCodeTest, EveryPaletteColourGivesItsOwnCode) {
    for (int code = 0; code < 256; ++code) {
        const ScreenColour c = ColourOf(code);
        EXPECT_EQ(NearestCode(editor.doc.images, Red(c), Green(c), Blue(c)), code);
    }
    EXPECT_EQ(NearestCode(editor.doc.images, 255, 255, 255), 255);
}

struct Worked {
    int r, g, b, code;
};

// Worked out by hand from the palette: levels 16(4v + I) per channel, white for 255.
TEST_F(NearestCodeTest, HandWorkedColours) {
    for (const Worked w : {
             Worked{250, 0, 0, 192},     // (192, 0, 0) at 58 beats every lighter grey level
             Worked{8, 8, 8, 0},         // black and code 1 (16, 16, 16) tie at 24: lower wins
             Worked{32, 0, 0, 0},        // red 0 and 64 tie within grey level 0: red 0 wins
             Worked{240, 240, 240, 255}, // no (240, 240, 240): white at 45, 254 only at 48
             Worked{208, 255, 255, 255}, // white at 47 against 191 at 62
             Worked{255, 255, 224, 255}, // white at 31 against 254 at 62
             Worked{230, 230, 230, 254}, // (224, 224, 224) at 18
             Worked{240, 240, 215, 251}, // (240, 240, 176) at 39; 254 at 41, white at 70
         }) {
        EXPECT_EQ(NearestCode(editor.doc.images, w.r, w.g, w.b), w.code) << w.r << ", " << w.g << ", " << w.b;
    }
}

TEST_F(NearestCodeTest, ADenseSampleMatchesTheFullSearch) {
    // Every fourth value, with the neighbours of the values where the choice can flip.
    std::vector<int> values;
    for (int v = 0; v < 256; v += 4) values.push_back(v);
    for (int v : {207, 208, 209, 215, 239, 241, 247, 248, 249, 253, 254, 255}) values.push_back(v);
    for (const int r : values)
        for (const int g : values)
            for (const int b : values)
                ASSERT_EQ(NearestCode(editor.doc.images, r, g, b), reference::NearestCode(editor.doc.images, r, g, b))
                    << r << ", " << g << ", " << b;
}

TEST_F(NearestCodeTest, ComponentsOutOfRangeMatchTheFullSearch) {
    const int colours[][3] = {{300, -20, 128}, {-1, 256, 1000}, {260, 260, 260}, {-50, 90, 250}};
    for (const auto& c : colours)
        EXPECT_EQ(NearestCode(editor.doc.images, c[0], c[1], c[2]),
                  reference::NearestCode(editor.doc.images, c[0], c[1], c[2]));
}

TEST_F(NearestCodeTest, DitheringCarriesTheErrorToTheNextCall) {
    editor.doc.images.Dither = true;
    // (8, 8, 8) gives black and leaves -8; the next (8, 8, 8) is taken as (16, 16, 16), which
    // is code 1 exactly and leaves nothing.
    EXPECT_EQ(NearestCode(editor.doc.images, 8, 8, 8), 0);
    EXPECT_EQ(editor.doc.images.DitherError, (std::array<std::int32_t, 3>{-8, -8, -8}));
    EXPECT_EQ(NearestCode(editor.doc.images, 8, 8, 8), 1);
    EXPECT_EQ(editor.doc.images.DitherError, (std::array<std::int32_t, 3>{0, 0, 0}));
    // The corrected component is clamped: 250 - (-20) is taken as 255.
    editor.doc.images.DitherError = {-20, 0, 0};
    EXPECT_EQ(NearestCode(editor.doc.images, 250, 255, 255), 255);
    EXPECT_EQ(editor.doc.images.DitherError, (std::array<std::int32_t, 3>{0, 0, 0}));
}

TEST_F(NearestCodeTest, ALongDitheredSequenceMatchesTheFullSearch) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> component(0, 255);
    RecordingHost otherHost;
    Editor ref{otherHost, text};
    editor.doc.images.Dither = ref.doc.images.Dither = true;
    for (int i = 0; i < 50000; ++i) {
        const int r = component(random), g = component(random), b = component(random);
        ASSERT_EQ(NearestCode(editor.doc.images, r, g, b), reference::NearestCode(ref.doc.images, r, g, b)) << i;
        ASSERT_EQ(editor.doc.images.DitherError, ref.doc.images.DitherError) << i;
    }
}

// The proof over all 2^24 colours takes a few seconds; run it with
// --gtest_also_run_disabled_tests --gtest_filter='*EveryColour*'.
TEST_F(NearestCodeTest, DISABLED_EveryColourMatchesTheFullSearch) {
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b)
                ASSERT_EQ(NearestCode(editor.doc.images, r, g, b), reference::NearestCode(editor.doc.images, r, g, b))
                    << r << ", " << g << ", " << b;
}

} // namespace
} // namespace pw
