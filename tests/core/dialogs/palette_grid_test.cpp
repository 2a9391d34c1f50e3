#include "dialogs/colour_choice.h"
#include "dialogs/palette_grid.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(PaletteGrid, CodesRunRowByRowAndNothingOffTheCells) {
    EXPECT_EQ(PaletteCodeAt(10, 10), 0);
    EXPECT_EQ(PaletteCodeAt(521, 10), 15);
    EXPECT_EQ(PaletteCodeAt(10, 297), 240);
    EXPECT_EQ(PaletteCodeAt(521, 297), 255);
    EXPECT_EQ(PaletteCodeAt(10 + 32 * 10, 10 + 18 * 2), 42); // row 2, column 10
    EXPECT_EQ(PaletteCodeAt(10 + 32 * 11 - 1, 10 + 18 * 3 - 1), 42);
    // The edge the last column and row paint beyond their cells, and the margins.
    for (const auto& [x, y] : {std::pair{522, 100},
                               {200, 298},
                               {522, 298},
                               {9, 100},
                               {200, 9},
                               {5, 20},
                               {-5, -5},
                               {600, 350}})
        EXPECT_EQ(PaletteCodeAt(x, y), 256) << x << "," << y;
}

TEST(PaletteGrid, CellsShareTheirBorderWithTheNextOne) {
    EXPECT_EQ(PaletteCell(0), (Rect{10, 10, 42, 28}));
    EXPECT_EQ(PaletteCell(1).left, PaletteCell(0).right);
    EXPECT_EQ(PaletteCell(16).top, PaletteCell(0).bottom);
    EXPECT_EQ(PaletteCell(255), (Rect{490, 280, 522, 298}));
}

TEST(ColourChoice, AClickSetsTheTargetOnly) {
    ColourChoice choice;
    choice.codes = {1, 2, 3};
    choice.SelectTarget(ctBG0);
    choice.SetTargetColour(256);
    choice.SelectTarget(7); // no such target: kept
    choice.SetTargetColour(42);
    EXPECT_EQ(choice.Target(), ctBG0);
    EXPECT_EQ(choice.codes, (WindowColours{1, 42, 3}));
    EXPECT_EQ(choice.Code(ctBG), 3);
}

} // namespace
} // namespace pw
