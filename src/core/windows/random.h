#pragma once
// The pseudo-random generator of mat surfaces and the simulated lift. They share its state:
// every mat drawing restarts it and the simulation goes on from there.

#include "shell/editor.h"

#include <cstdint>

namespace pw {

// One step: state := (state >> 31) + ((state << 1) xor mask), 32-bit wrap-around; returns
// state mod n (n >= 1).
std::uint32_t NextRandom(Editor& editor, std::uint32_t n);

} // namespace pw
