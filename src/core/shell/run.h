#pragma once
// The run: start-up, the one-second timer, the simulated lift it drives and the clocks.

#include "platform/calendar_names.h"
#include "windows/random.h"
#include "windows/simulation_state.h"

#include <cstdint>
#include <ctime>
#include <functional>

namespace pw {

struct Run {
    Run();

    bool StartupDone = false;
    bool TimerBusy = false;
    std::uint32_t TickCount = 0;
    Simulation sim;
    // Generator shared by mat surfaces and the simulation.
    Random random;
    // The local time the clocks show; replaceable so that tests can set the time.
    std::function<std::tm()> LocalTime;
    // The names the clocks show it with.
    CalendarNames calendarNames;
};

} // namespace pw
