#include "shell/canvas_pointer.h"

#include "shell/canvas_editing.h"
#include "shell/place_mode.h"

namespace pw {

Pointer PointerAt(const Editor& editor, int x, int y) {
    const Layout& layout = editor.doc.layout;
    if (PlaceArmed(editor)) return OnDisplay(layout, x, y) ? Pointer::Place : Pointer::Arrow;
    const cWindow* current = layout.CurWindow;
    // The Background object can be grabbed but never changes: promise nothing over it.
    if (!current || IsBackground(layout, current)) return Pointer::Arrow;
    switch (current->DragMode) {
    case dmMoving: return Pointer::Move;
    case dmRightEdge: return Pointer::SizeRight;
    case dmBottomEdge: return Pointer::SizeBottom;
    default: break;
    }
    if (HitRightEdge(layout, x, y)) return Pointer::SizeRight;
    if (HitBottomEdge(layout, x, y)) return Pointer::SizeBottom;
    return HitWindow(layout, x, y) == current ? Pointer::Move : Pointer::Arrow;
}

} // namespace pw
