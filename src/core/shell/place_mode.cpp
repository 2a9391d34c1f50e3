#include "shell/place_mode.h"

namespace pw {

void ArmPlace(Editor& editor, PlaceKind kind) { editor.PlaceMode = kind; }

} // namespace pw
