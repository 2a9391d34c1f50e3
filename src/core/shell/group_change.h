#pragma once
// The one place where a command that acts on several windows changes one of them. It takes
// what the editor's single way of changing a window takes (the window's number, the values,
// the mask of the fields that change), so that the group commands follow that way exactly.

#include "shell/editor.h"
#include "windows/window_fields.h"

#include <cstdint>

namespace pw {

// Changes the fields of the mask of the window with the number to those of values, held
// inside the display, and draws it again; nothing for a number no window has.
void ChangeGroupMember(Editor& editor, std::uint32_t number, const WindowFields& values,
                       FieldMask mask);

} // namespace pw
