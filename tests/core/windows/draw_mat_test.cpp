#include "support/editor_fixture.h"
#include "windows/draw_mat.h"
#include "shell/redraw.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pw {
namespace {

// The generator's numbers after a reset, worked out here from its definition.
std::vector<std::uint32_t> Numbers(std::uint32_t mask, std::size_t count) {
    std::vector<std::uint32_t> out;
    std::uint32_t s = 0;
    while (out.size() < count) {
        s = (s >> 31) + ((s << 1) ^ mask);
        out.push_back(s);
    }
    return out;
}

// Two levels from black to white, which are palette colours themselves: the pixel is black
// for an even number and white for an odd one.
class MatTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        editor.view.ViewMode = vmStatic;
        editor.doc.layout.CurWindow = nullptr;
    }
    cWindow& Mat(int x0, int y0, int x1, int y1, int texture = 0) {
        cWindow& m = AddWindow(x0, y0, x1, y1);
        m.DrawType = dtMat;
        m.Parameter = 2;
        m.FontSize = 7;
        m.Texture = texture;
        m.BG0 = 0;
        m.BG = 255;
        return m;
    }
    // Pixel (column j, row i) of a mat whose top-left corner is (x0, y0).
    void ExpectTexture(int x0, int y0, int i, int j, const std::vector<std::uint32_t>& numbers) {
        const ScreenColour expected = numbers[i * 1280 + j] % 2 ? ColourOf(255) : ColourOf(0);
        EXPECT_EQ(At(x0 + j, y0 + i), expected) << "row " << i << " column " << j;
    }
};

TEST_F(MatTest, EveryRowDrawsTwelveHundredAndEightyNumbers) {
    Mat(5, 7, 24, 16);
    RedrawAll(editor.view, editor.doc);
    const auto numbers = Numbers(0x0C17DFD1, 10 * 1280);
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 20; ++j) ExpectTexture(5, 7, i, j, numbers);
    // The simulation goes on from where the mat left the generator.
    EXPECT_EQ(editor.run.random.RandomMask, 0x0C17DFD1u);
    EXPECT_EQ(editor.run.random.RandomState, numbers.back());
}

struct Seed {
    int texture;
    std::uint32_t mask;
};
class MatSeedTest : public MatTest, public ::testing::WithParamInterface<Seed> {};

TEST_P(MatSeedTest, TheTextureChoosesTheGeneratorMask) {
    Mat(0, 0, 9, 2, GetParam().texture);
    RedrawAll(editor.view, editor.doc);
    const auto numbers = Numbers(GetParam().mask, 3 * 1280);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 10; ++j) ExpectTexture(0, 0, i, j, numbers);
    EXPECT_EQ(editor.run.random.RandomMask, GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MatSeedTest,
                         ::testing::Values(Seed{1, 0x1C6E39A1}, Seed{3, 0x07FFFFFF},
                                           Seed{12, 0x07FFFF55}, Seed{13, 13},
                                           Seed{0x12345678, 0x12345678},
                                           Seed{-4, 0x0C17DFD1})); // negative: as Texture 0

TEST_F(MatTest, LevelsOutsideTwoTo255LeaveOnlyTheBackground) {
    for (int levels : {1, 256, -3}) {
        cWindow& m = Mat(0, 0, 9, 9);
        m.Parameter = levels;
        editor.run.random.RandomState = 77;
        RedrawAll(editor.view, editor.doc);
        for (int y = 0; y <= 9; ++y)
            for (int x = 0; x <= 9; ++x) ASSERT_EQ(At(x, y), ColourOf(0)) << levels;
        EXPECT_EQ(editor.run.random.RandomState, 77u);
        DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &m);
    }
}

TEST_F(MatTest, ALevelCountOfTwoHundredAndFiftyFiveReachesBothEnds) {
    cWindow& m = Mat(0, 0, 99, 9);
    m.Parameter = 255;
    RedrawAll(editor.view, editor.doc);
    const auto numbers = Numbers(0x0C17DFD1, 10 * 1280);
    // Level 0 is BG0 itself and level 254 is BG itself.
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 100; ++j) {
            const std::uint32_t level = numbers[i * 1280 + j] % 255;
            if (level == 0) {
                EXPECT_EQ(At(j, i), ColourOf(0));
            } else if (level == 254) {
                EXPECT_EQ(At(j, i), ColourOf(255));
            }
        }
}

TEST_F(MatTest, EveryPixelIsTheLevelOfItsNumberForAnySizeAndLevelCount) {
    // Rows and columns by the eight and not, level counts other than two, and mats cut by the
    // canvas's edges.
    const int right = editor.view.canvas.Width() - 1, bottom = editor.view.canvas.Height() - 1;
    const struct {
        int levels, x0, y0, x1, y1;
    } mats[] = {{7, 3, 5, 39, 23},
                {255, -5, -3, 40, 12},
                {3, right - 20, bottom - 9, right + 30, bottom + 10},
                {2, 0, 0, 7, 7}};
    for (const auto& mat : mats) {
        cWindow& m = Mat(mat.x0, mat.y0, mat.x1, mat.y1);
        m.Parameter = mat.levels;
        m.BG0 = 3;
        RedrawAll(editor.view, editor.doc);
        const std::vector<ScreenColour> levels =
            MatLevels(editor.view, editor.doc.layout.BackgroundColour, m, mat.levels);
        const auto numbers = Numbers(0x0C17DFD1, (mat.y1 - mat.y0 + 1) * 1280);
        for (int y = std::max(0, mat.y0); y <= std::min(bottom, mat.y1); ++y)
            for (int x = std::max(0, mat.x0); x <= std::min(right, mat.x1); ++x)
                ASSERT_EQ(At(x, y), levels[numbers[(y - mat.y0) * 1280 + x - mat.x0] % mat.levels])
                    << mat.levels << " levels, pixel " << x << ", " << y;
        DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &m);
    }
}

TEST_F(MatTest, ATransparentEndTakesTheDisplaysBackgroundColour) {
    cWindow& m = Mat(0, 0, 9, 2);
    m.BG = kTransparent;
    editor.doc.layout.BackgroundColour = 255;
    RedrawAll(editor.view, editor.doc);
    const auto numbers = Numbers(0x0C17DFD1, 3 * 1280);
    for (int j = 0; j < 10; ++j) ExpectTexture(0, 0, 1, j, numbers);
}

TEST_F(MatTest, AMatPartlyOffTheCanvasShowsThePartTheWholeMatWould) {
    Mat(-3, -2, 10, 10);
    RedrawAll(editor.view, editor.doc);
    const auto numbers = Numbers(0x0C17DFD1, 13 * 1280);
    for (int i = 2; i < 13; ++i)
        for (int j = 3; j < 14; ++j) ExpectTexture(-3, -2, i, j, numbers);
    Mat(630, 470, 2000000000, 2000000000); // from a hand-edited file: clipped, and quick
    RedrawAll(editor.view, editor.doc);
    ExpectTexture(630, 470, 9, 9, numbers);
}

TEST_F(MatTest, DesignViewShowsLargeMatsAsPlaceholders) {
    editor.view.ViewMode = vmDesign;
    editor.run.random.RandomState = 77;
    Mat(0, 0, 200, 100).Parameter = 16; // 200 x 100 = 20000
    RedrawAll(editor.view, editor.doc);
    EXPECT_EQ(editor.run.random.RandomState, 77u);
    ASSERT_EQ(text.drawn.size(), 1u);
    EXPECT_EQ(text.drawn[0].text, "Mat 7, 16");
    EXPECT_EQ(text.drawn[0].x, 2);
    EXPECT_EQ(text.drawn[0].y, 0);
    EXPECT_EQ(text.drawn[0].font, (FontDesc{"Arial", 16, 0}));
    EXPECT_EQ(text.drawn[0].colour, ColourOf(255));
    EXPECT_EQ(text.drawn[0].background, ColourOf(42));
    EXPECT_EQ(At(50, 25), ColourOf(255)); // on both diagonals
    EXPECT_EQ(At(50, 75), ColourOf(255));
    EXPECT_EQ(At(150, 50), ColourOf(0)); // elsewhere the background fill

    text.drawn.clear();
    WindowAt(editor.doc.layout, 1)->X1 = 199; // 199 x 100 = 19900: drawn in full
    RedrawAll(editor.view, editor.doc);
    EXPECT_TRUE(text.drawn.empty());
    EXPECT_NE(editor.run.random.RandomState, 77u);
}

TEST_F(MatTest, WhereRowsStartIsKeptForEveryTextureAndRowLength) {
    // More textures than are kept, each for two rows; then texture 0 again, taller.
    for (int texture = 0; texture < 20; ++texture) {
        cWindow& m = Mat(0, 0, 9, 1, texture);
        RedrawAll(editor.view, editor.doc);
        DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &m);
    }
    cWindow& tall = Mat(0, 0, 9, 40);
    RedrawAll(editor.view, editor.doc);
    const auto numbers = Numbers(0x0C17DFD1, 41 * 1400);
    for (int i = 0; i < 41; ++i)
        for (int j = 0; j < 10; ++j) ExpectTexture(0, 0, i, j, numbers);
    EXPECT_EQ(editor.run.random.RandomState, numbers[41 * 1280 - 1]);
    DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, &tall);

    // A mat wider than a row of numbers draws as many numbers per row as it is wide.
    Mat(0, 0, 1399, 4);
    RedrawAll(editor.view, editor.doc);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 20; ++j)
            EXPECT_EQ(At(j, i), numbers[i * 1400 + j] % 2 ? ColourOf(255) : ColourOf(0))
                << "row " << i << " column " << j;
    EXPECT_EQ(editor.run.random.RandomState, numbers[5 * 1400 - 1]);
}

} // namespace
} // namespace pw
