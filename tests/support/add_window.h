#pragma once
// A window appended to the layout with the given rectangle and kind, at rest.

#include "shell/editor.h"
#include "windows/window_list.h"

namespace pw {

inline cWindow& AddWindow(Editor& editor, int x0, int y0, int x1, int y1,
                          std::uint8_t type = wtMessage) {
    cWindow& w = NewWindow(editor.doc.layout);
    w.Type = type;
    w.DragMode = dmIdle;
    w.X0 = x0;
    w.Y0 = y0;
    w.X1 = x1;
    w.Y1 = y1;
    return w;
}

} // namespace pw
