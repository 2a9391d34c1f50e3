#include "shell/place_mode.h"

namespace pw {

void ArmPlace(Editor& editor, PlaceKind kind) {
    editor.pointer.PlaceMode = kind;
    editor.observers.Notify(&EditorObserver::PlaceModeChanged);
}

bool PlaceArmed(const Editor& editor) {
    return editor.pointer.PlaceMode >= pmBackground && editor.pointer.PlaceMode <= pmTimedSequence;
}

std::string PlaceHint(const Editor& editor) {
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
    if (!PlaceArmed(editor)) return "";
    return std::string("Click on the display to place ") + kWhat[editor.pointer.PlaceMode];
}

} // namespace pw
