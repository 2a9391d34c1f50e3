#include "gui/canvas_mouse.h"

namespace pw {

MouseButton ButtonOf(const QMouseEvent& event) {
    switch (event.button()) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    default: return mbMiddle;
    }
}

ShiftState ShiftOf(const QMouseEvent& event) {
    ShiftState shift = 0;
    const Qt::KeyboardModifiers keys = event.modifiers();
    if (keys & Qt::ShiftModifier) shift |= ssShift;
    if (keys & Qt::AltModifier) shift |= ssAlt;
    if (keys & Qt::ControlModifier) shift |= ssCtrl;
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton) shift |= ssLeft;
    if (buttons & Qt::RightButton) shift |= ssRight;
    if (buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

Qt::CursorShape CursorOf(Pointer pointer) {
    switch (pointer) {
    case Pointer::Place: return Qt::CrossCursor;
    case Pointer::SizeRight: return Qt::SizeHorCursor;
    case Pointer::SizeBottom: return Qt::SizeVerCursor;
    case Pointer::Move: return Qt::SizeAllCursor;
    case Pointer::Arrow: break;
    }
    return Qt::ArrowCursor;
}

} // namespace pw
