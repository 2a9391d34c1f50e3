#pragma once

#include <cstdint>

namespace pw {

// State of the simulated lift, kept for the whole run.
struct Simulation {
    std::int32_t SimPosition = 1;     // floor index the lift is at
    std::int32_t SimDirection = 1;    // 1 up, 2 down
    std::int32_t SimDestination = 0;  // floor shown as destination; 0 while travelling
    std::int32_t SimDestDelay = -1;   // floors still to travel; -1 while standing
    std::int32_t SimTopPosition = 1;  // highest floor index, from the first Position Window
    std::int32_t SimStatus = 0;       // status index shown; 0 none
    std::int32_t SimStatusCycle = 0;  // last status shown
    std::int32_t SimTopStatus = 3;    // highest status, from the first Lift status Window
    std::uint8_t LastViewMode = 0;
};

} // namespace pw
