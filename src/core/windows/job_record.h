#pragma once
// The job record: facts about the installation that the display units need.

#include <cstdint>
#include <string>

namespace pw {

// Input modes: how the lift position reaches the display.
enum InputModeCode : std::uint8_t {
    imSimulate = 0,
    imGray = 1,
    imBinary = 2,
    imParallel = 3,
    imCountPlates = 4,
};

// Flags bits.
enum JobFlags : std::int32_t {
    jfTestPattern = 1, // terminal 14 does the test pattern
    jfZeroPosn = 2,    // zero position code
};

class cInputSpec {
public:
    std::string JobName;
    std::string SubDirectory;
    std::string NetIDs;
    std::int32_t NLifts = 3;
    std::int32_t ID0 = 0;      // address of the first display minus 1
    std::int32_t SlaveID0 = 0; // address of the first slave minus 1; 0 for none
    std::string PosnOffset;    // free text, kept as typed
    std::int32_t DestTime = 2000; // milliseconds
    std::int32_t ScreenSave = 0;  // seconds, 0 for none
    std::uint8_t InputMode = imGray;
    std::int32_t Flags = 0;
    std::int32_t Invert = 0; // bit i: input terminal i + 1 inverted

    friend bool operator==(const cInputSpec&, const cInputSpec&) = default;
};

} // namespace pw
