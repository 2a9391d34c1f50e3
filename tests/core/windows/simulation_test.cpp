#include "support/editor_fixture.h"
#include "windows/simulation.h"

namespace pw {
namespace {

class SimulationTest : public EditorTest {
protected:
    // Runs ticks as the timer does.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            ++editor.TickCount;
            SimulationStep(editor);
        }
    }
};

TEST_F(SimulationTest, ALiftWithOneFloorTextShuttlesBetweenFloorsOneAndTwo) {
    cWindow& pos = AddWindow(10, 10, 100, 40, wtPosition);
    pos.Text[0] = "unknown";
    pos.Text[1] = "lowest floor";
    editor.ViewMode = vmDynamic;
    editor.TickCount = 7;
    Tick(); // tick 8: range refresh, departure and the first move
    EXPECT_EQ(editor.sim.SimTopPosition, 1);
    EXPECT_EQ(editor.sim.SimPosition, 2);
    EXPECT_EQ(editor.sim.SimDirection, 2);
    EXPECT_EQ(editor.sim.SimDestination, 2);
    EXPECT_EQ(editor.sim.SimDestDelay, -1);
    EXPECT_EQ(pos.CurIndex, 2);
    Tick(8); // tick 16: down to 1
    EXPECT_EQ(editor.sim.SimPosition, 1);
    EXPECT_EQ(editor.sim.SimDirection, 1);
    EXPECT_EQ(editor.sim.SimDestination, 1);
}

TEST_F(SimulationTest, StatusesTakeTurnsForFourTicksInEveryThirtyTwo) {
    cWindow& status = AddWindow(10, 10, 100, 40, wtLiftStatus);
    for (int k = 1; k <= 5; ++k) status.Text[k] = "s" + std::to_string(k);
    editor.ViewMode = vmDynamic;
    std::vector<int> shown;
    for (int t = 1; t <= 32 * 6; ++t) {
        Tick();
        if (editor.TickCount % 32 == 0) shown.push_back(editor.sim.SimStatus);
        if (editor.TickCount % 32 == 3 && !shown.empty()) {
            EXPECT_EQ(status.CurIndex, shown.back());
        }
        if (editor.TickCount % 32 == 4) {
            EXPECT_EQ(status.CurIndex, 0);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 1}));
}

TEST_F(SimulationTest, TimedSequenceStepsEveryParameterTicks) {
    cWindow& seq = AddWindow(10, 10, 100, 40, wtTimedSequence);
    seq.Parameter = 5;
    seq.Text[0] = "first 5 seconds";
    seq.Text[1] = "next 5 seconds...";
    editor.ViewMode = vmDynamic;
    std::vector<int> seen;
    for (int t = 1; t <= 20; ++t) {
        Tick();
        seen.push_back(seq.CurIndex);
    }
    EXPECT_EQ(seen[3], 0);
    EXPECT_EQ(seen[4], 1);  // tick 5
    EXPECT_EQ(seen[8], 1);
    EXPECT_EQ(seen[9], 0);  // tick 10
    EXPECT_EQ(seen[14], 1); // tick 15
    seq.Parameter = 0;
    const int now = seq.CurIndex;
    Tick(20);
    EXPECT_EQ(seq.CurIndex, now);
}

TEST_F(SimulationTest, ClockChangesOnlyWhenItsTextDoes) {
    cWindow& clock = AddWindow(10, 10, 300, 40, wtTimeDate);
    clock.Parameter = 1;
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 8;
    time.tm_wday = 2;
    time.tm_hour = 18;
    time.tm_min = 5;
    editor.LocalTime = [&] { return time; };
    editor.ViewMode = vmDynamic;
    Tick();
    EXPECT_EQ(clock.Text[0], "18:05  Tuesday 8 Dec 26");
    views.repaints = 0;
    Tick(3);
    EXPECT_EQ(views.repaints, 0);
    time.tm_min = 6;
    Tick();
    EXPECT_EQ(clock.Text[0], "18:06  Tuesday 8 Dec 26");
    EXPECT_EQ(views.repaints, 1);
    EXPECT_EQ(FormatClock(time, 0), "6:06 pm  Tuesday 8 Dec 26");
    time.tm_hour = 0;
    EXPECT_EQ(FormatClock(time, 0), "12:06 am  Tuesday 8 Dec 26");
}

TEST_F(SimulationTest, NothingMovesOutsideTheDynamicView) {
    AddWindow(10, 10, 100, 40, wtPosition).Text[1] = "1";
    Tick(40);
    EXPECT_EQ(editor.sim.SimPosition, 1);
    EXPECT_EQ(editor.sim.SimStatus, 0);
}

} // namespace
} // namespace pw
