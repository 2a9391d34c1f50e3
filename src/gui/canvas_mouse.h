#pragma once
// Qt's mouse vocabulary in the core's terms, and the core's pointers as Qt cursors.

#include "shell/canvas_editing.h"
#include "shell/canvas_pointer.h"

#include <QMouseEvent>

namespace pw {

// The button that changed; every button other than left and right counts as the middle one.
MouseButton ButtonOf(const QMouseEvent& event);
// The keys and buttons held.
ShiftState ShiftOf(const QMouseEvent& event);
Qt::CursorShape CursorOf(Pointer pointer);

} // namespace pw
