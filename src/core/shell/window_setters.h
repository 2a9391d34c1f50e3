#pragma once
// The property setters: the rule of each field a user types or drags. Each refuses invalid
// values silently; otherwise it changes the window through ChangeWindow.

#include "shell/document.h"
#include "windows/view.h"

#include <cstdint>

namespace pw {

// The field of the window takes value by its rule: X0 and Y0 move the window keeping its size,
// X1 and Y1 move the far edge alone, never before the near edge nor off the display; the font
// size of a window drawn as an image stays; a clock's parameter gives it its sample text; a
// draw type is taken as the byte the field holds; an index runs from 0 to 99, the Background
// object keeps its own, and Shared partners swap as needed. Other fields are left alone.
void SetValue(Document& doc, View& view, cWindow& w, WindowField field, std::int32_t value);
// Moves to (x0, y0) keeping the size, in one change; an axis SetValue would refuse for X0 or
// Y0 stays where it is.
void MoveTo(Document& doc, View& view, cWindow& w, std::int32_t x0, std::int32_t y0);

} // namespace pw
