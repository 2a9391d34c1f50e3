#include "config/terminal_diagram.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

struct ModeCase {
    const char* name;
    std::uint8_t mode;
    std::int32_t flags;
    TerminalLabels rows;
};

// Rows 1 to 15, worked out from the wiring of each input mode.
const ModeCase kCases[] = {
    {"Simulate",
     imSimulate,
     0,
     {"no connection", "no connection", "no connection", "no connection", "no connection",
      "no connection", "no connection", "no connection", "no connection", "no connection",
      "no connection", "no connection", "no connection", "no connection", "no connection"}},
    {"SimulateWithTestPattern",
     imSimulate,
     jfTestPattern,
     {"no connection", "no connection", "no connection", "no connection", "no connection",
      "no connection", "no connection", "no connection", "no connection", "no connection",
      "no connection", "no connection", "no connection", "test pattern", ""}},
    {"Gray",
     imGray,
     0,
     {"position code0", "position code1", "position code2", "position code3", "position code4",
      "position code5", "up arrow", "down arrow", "lift status1", "lift status2", "lift status3",
      "lift status4", "lift status5", "lift status6", "door closed"}},
    {"GrayWithTestPattern",
     imGray,
     jfTestPattern,
     {"position code0", "position code1", "position code2", "position code3", "position code4",
      "position code5", "up arrow", "down arrow", "lift status1", "lift status2", "lift status3",
      "lift status4", "lift status5", "test pattern", "door closed"}},
    {"Binary",
     imBinary,
     0,
     {"position code0", "position code1", "position code2", "position code3", "position code4",
      "position code5", "up arrow", "down arrow", "lift status1", "lift status2", "lift status3",
      "lift status4", "lift status5", "lift status6", "door closed"}},
    {"Parallel",
     imParallel,
     0,
     {"position 1", "position 2", "position 3", "position 4", "position 5", "position 6",
      "up arrow", "down arrow", "position 7", "position 8", "position 9", "lift status1",
      "lift status2", "lift status3", "door closed"}},
    {"ParallelWithTestPattern",
     imParallel,
     jfTestPattern,
     {"position 1", "position 2", "position 3", "position 4", "position 5", "position 6",
      "up arrow", "down arrow", "position 7", "position 8", "position 9", "lift status1",
      "lift status2", "test pattern", "door closed"}},
    {"CountPlates",
     imCountPlates,
     0,
     {"top floor", "bottom floor", "floor plate", "up direction", "", "", "up arrow", "down arrow",
      "lift status1", "lift status2", "lift status3", "lift status4", "lift status5",
      "lift status6", "door closed"}},
    {"CountPlatesWithTestPattern",
     imCountPlates,
     jfTestPattern,
     {"top floor", "bottom floor", "floor plate", "up direction", "", "", "up arrow", "down arrow",
      "lift status1", "lift status2", "lift status3", "lift status4", "lift status5",
      "test pattern", "door closed"}},
    {"UnknownMode", 7, 0, {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "door closed"}},
    {"UnknownModeWithTestPattern",
     7,
     jfTestPattern,
     {"", "", "", "", "", "", "", "", "", "", "", "", "", "test pattern", "door closed"}},
    // The zero position flag and bits the editor never sets leave the wiring alone.
    {"GrayWithOtherFlags",
     imGray,
     jfZeroPosn | 0x100,
     {"position code0", "position code1", "position code2", "position code3", "position code4",
      "position code5", "up arrow", "down arrow", "lift status1", "lift status2", "lift status3",
      "lift status4", "lift status5", "lift status6", "door closed"}},
};

class TerminalFunctionsTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(TerminalFunctionsTest, LabelsEveryRowOfTheMode) {
    const ModeCase& c = GetParam();
    const TerminalLabels rows = TerminalFunctions(c.mode, c.flags);
    for (std::size_t r = 0; r < kTerminalCount; ++r)
        EXPECT_EQ(rows[r], c.rows[r]) << "row " << r + 1 << " (" << kTerminalNames[r] << ")";
}

INSTANTIATE_TEST_SUITE_P(AllModes, TerminalFunctionsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TerminalDiagramGeometryTest, TheDesignedPanelGivesTheDesignedColumn) {
    // cbPA at (392, 224), 41 wide; cbPB 16 lower; Bevel1 from 360, 185 wide.
    const TerminalDiagramGeometry g = MeasureTerminalDiagram({392, 224, 41, 240, 360, 185});
    EXPECT_EQ(g.textX, 453);
    EXPECT_EQ(g.row1Y, 224);
    EXPECT_EQ(g.rowStep, 16);
    EXPECT_EQ(g.RowY(14), 448);
    EXPECT_EQ(g.clearLeft, 453);
    EXPECT_EQ(g.clearTop, 224);
    EXPECT_EQ(g.clearRight, 542);
    EXPECT_EQ(g.clearBottom, 464);
}

} // namespace
} // namespace pw
