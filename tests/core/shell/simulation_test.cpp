#include "shell/view_modes.h"
#include "support/editor_fixture.h"
#include "support/local_time_at.h"
#include "shell/simulation.h"

namespace pw {
namespace {

class SimulationTest : public EditorTest {
protected:
    // Runs ticks as the timer does.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            ++editor.run.TickCount;
            SimulationStep(editor);
        }
    }
};

TEST_F(SimulationTest, ALiftWithOneFloorTextShuttlesBetweenFloorsOneAndTwo) {
    cWindow& pos = AddWindow(10, 10, 100, 40, wtPosition);
    pos.Text.Set(0, "unknown");
    pos.Text.Set(1, "lowest floor");
    editor.view.ViewMode = vmDynamic;
    editor.run.TickCount = 7;
    Tick(); // tick 8: range refresh, departure and the first move
    EXPECT_EQ(editor.run.sim.SimTopPosition, 1);
    EXPECT_EQ(editor.run.sim.SimPosition, 2);
    EXPECT_EQ(editor.run.sim.SimDirection, 2);
    EXPECT_EQ(editor.run.sim.SimDestination, 2);
    EXPECT_EQ(editor.run.sim.SimDestDelay, -1);
    EXPECT_EQ(pos.CurIndex, 2);
    Tick(8); // tick 16: down to 1
    EXPECT_EQ(editor.run.sim.SimPosition, 1);
    EXPECT_EQ(editor.run.sim.SimDirection, 1);
    EXPECT_EQ(editor.run.sim.SimDestination, 1);
}

TEST_F(SimulationTest, StatusesTakeTurnsForFourTicksInEveryThirtyTwo) {
    cWindow& status = AddWindow(10, 10, 100, 40, wtLiftStatus);
    for (int k = 1; k <= 5; ++k) status.Text.Set(k, "s" + std::to_string(k));
    editor.view.ViewMode = vmDynamic;
    std::vector<int> shown;
    for (int t = 1; t <= 32 * 6; ++t) {
        Tick();
        if (editor.run.TickCount % 32 == 0) shown.push_back(editor.run.sim.SimStatus);
        if (editor.run.TickCount % 32 == 3 && !shown.empty()) {
            EXPECT_EQ(status.CurIndex, shown.back());
        }
        if (editor.run.TickCount % 32 == 4) {
            EXPECT_EQ(status.CurIndex, 0);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 1}));
}

TEST_F(SimulationTest, TimedSequenceStepsEveryParameterTicks) {
    cWindow& seq = AddWindow(10, 10, 100, 40, wtTimedSequence);
    seq.Parameter = 5;
    seq.Text.Set(0, "first 5 seconds");
    seq.Text.Set(1, "next 5 seconds...");
    editor.view.ViewMode = vmDynamic;
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
    std::tm time = LocalTimeAt(2026, 12, 8, 2, 18, 5);
    editor.run.LocalTime = [&] { return time; };
    editor.view.ViewMode = vmDynamic;
    Tick();
    EXPECT_EQ(clock.Text[0], "18:05  Tuesday 8 Dec 26");
    views.repaints = 0;
    Tick(3);
    EXPECT_EQ(views.repaints, 0);
    time.tm_min = 6;
    Tick();
    EXPECT_EQ(clock.Text[0], "18:06  Tuesday 8 Dec 26");
    EXPECT_EQ(views.repaints, 1);
    EXPECT_EQ(FormatClock(time, 0, editor.run.calendarNames), "6:06 pm  Tuesday 8 Dec 26");
    time.tm_hour = 0;
    EXPECT_EQ(FormatClock(time, 0, editor.run.calendarNames), "12:06 am  Tuesday 8 Dec 26");
    // The names are the user's, as the application supplies them.
    editor.run.calendarNames.weekdays[2] = "Dienstag";
    editor.run.calendarNames.shortMonths[11] = "Dez";
    time.tm_year = 2005 - 1900;
    Tick();
    EXPECT_EQ(clock.Text[0], "00:06  Dienstag 8 Dez 05");
}

// The generator starts at 0 with the mask 0x0C17DFD1, so the first trips are
// 0x0C17DFD1 mod 4 + 1 = 2 floors and then 0x14386073 mod 4 + 1 = 4 floors.
TEST_F(SimulationTest, TripsStartOnMultiplesOfEightAndPauseOutsideTheDynamicView) {
    cWindow& pos = AddWindow(10, 10, 100, 40, wtPosition);
    for (int k = 0; k <= 9; ++k) pos.Text.Set(k, "floor " + std::to_string(k));
    cWindow& dir = AddWindow(110, 10, 140, 40, wtDirection);
    cWindow& dest = AddWindow(150, 10, 240, 40, wtDestination);
    SetViewMode(editor.view, vmDynamic);
    struct Expected {
        int tick, position, direction, destination;
    };
    const auto check = [&](const Expected& e) {
        SCOPED_TRACE(e.tick);
        EXPECT_EQ(editor.run.TickCount, static_cast<std::uint32_t>(e.tick));
        EXPECT_EQ(pos.CurIndex, e.position);
        EXPECT_EQ(dir.CurIndex, e.direction);
        EXPECT_EQ(dest.CurIndex, e.destination);
    };
    Tick(7);
    check({7, 1, 1, 0}); // standing at floor 1 since the start
    Tick();
    EXPECT_EQ(editor.run.sim.SimTopPosition, 9);
    check({8, 2, 1, 0}); // leaves on the departure tick itself
    Tick();
    check({9, 3, 1, 3}); // the second move ends the trip
    Tick(6);
    check({15, 3, 1, 3});
    SetViewMode(editor.view, vmStatic);
    Tick(9);
    check({24, 3, 1, 3}); // nothing moves in Static view
    SetViewMode(editor.view, vmDynamic);
    for (const Expected& e :
         {Expected{25, 3, 1, 3}, {32, 4, 1, 0}, {33, 5, 1, 0}, {35, 7, 1, 7}, {39, 7, 1, 7}}) {
        Tick(e.tick - static_cast<int>(editor.run.TickCount));
        check(e);
    }
}

TEST_F(SimulationTest, FloorRangeIsTakenAtTheFirstTickAfterAViewChange) {
    SetViewMode(editor.view, vmDynamic);
    Tick(8); // no Position Window: the top floor stays 1, the first trip ends at floor 2
    EXPECT_EQ(editor.run.sim.SimPosition, 2);
    EXPECT_EQ(editor.run.sim.SimDirection, 2);
    cWindow& pos = AddWindow(10, 10, 100, 40, wtPosition);
    for (int k = 0; k <= 5; ++k) pos.Text.Set(k, std::to_string(k));
    Tick();
    EXPECT_EQ(editor.run.sim.SimTopPosition, 1);
    SetViewMode(editor.view, vmDesign);
    Tick();
    EXPECT_EQ(editor.run.sim.SimTopPosition, 5);
}

TEST_F(SimulationTest, NothingMovesOutsideTheDynamicView) {
    AddWindow(10, 10, 100, 40, wtPosition).Text.Set(1, "1");
    Tick(40);
    EXPECT_EQ(editor.run.sim.SimPosition, 1);
    EXPECT_EQ(editor.run.sim.SimStatus, 0);
}

} // namespace
} // namespace pw
