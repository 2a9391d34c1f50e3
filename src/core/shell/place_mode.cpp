#include "shell/place_mode.h"

namespace pw {

void ArmPlace(PointerState& pointer, const Observers& observers, PlaceKind kind) {
    pointer.PlaceMode = kind;
    observers.Notify(&EditorObserver::PlaceModeChanged);
}

bool PlaceArmed(const PointerState& pointer) {
    return pointer.PlaceMode >= pmBackground && pointer.PlaceMode <= pmTimedSequence;
}

std::string PlaceHint(const PointerState& pointer) {
    static constexpr const char* kWhat[] = {
        "",
        "a Background object",
        "a Position Window",
        "a Direction Window",
        "a Destination Window",
        "a Time and Date Window",
        "a Lift status Window",
        "a Destination Window and a Lift status Window sharing one place",
        "a Message Window",
        "a Background Rectangle",
        "a Mat surface",
        "a Timed Sequence",
    };
    if (!PlaceArmed(pointer)) return "";
    return std::string("Click on the display to place ") + kWhat[pointer.PlaceMode];
}

} // namespace pw
