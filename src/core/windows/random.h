#pragma once
// The pseudo-random generator of mat surfaces and the simulated lift. They share its state:
// every mat drawing restarts it and the simulation goes on from there.

#include <cstdint>

namespace pw {

// The generator's step: state := (state >> 31) + ((state << 1) xor mask), 32-bit wrap-around.
// Mats run it in a tight loop on a local copy of the state, so it lives here inline.
constexpr std::uint32_t NextState(std::uint32_t state, std::uint32_t mask) {
    return (state >> 31) + ((state << 1) ^ mask);
}

struct Random {
    std::uint32_t RandomState = 0;
    std::uint32_t RandomMask = 0x0C17DFD1;
};

// One step of the generator; returns the new state mod n (n >= 1).
std::uint32_t NextRandom(Random& random, std::uint32_t n);

} // namespace pw
