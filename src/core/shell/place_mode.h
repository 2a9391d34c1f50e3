#pragma once
// The Place menu's choices: the kind of window the next press on the canvas places.

#include "platform/editor_observer.h"
#include "shell/pointer_state.h"

#include <cstdint>
#include <string>

namespace pw {

// PlaceMode values.
enum PlaceKind : std::uint8_t {
    pmNone = 0, // the mouse selects, moves and resizes
    pmBackground = 1,
    pmPosition = 2,
    pmDirection = 3,
    pmDestination = 4,
    pmTimeDate = 5,
    pmLiftStatus = 6,
    pmDestinationStatus = 7, // a Destination and a Lift status window sharing one place
    pmMessage = 8,
    pmBackgroundRect = 9,
    pmMatSurface = 10,
    pmTimedSequence = 11,
};

// Arms the Place menu choice; a second choice replaces the first, pmNone disarms.
void ArmPlace(PointerState& pointer, const Observers& observers, PlaceKind kind);
// Whether the next press on the canvas places a window.
bool PlaceArmed(const PointerState& pointer);
// The status line while a choice is armed: what the next press places; empty otherwise.
std::string PlaceHint(const PointerState& pointer);

} // namespace pw
