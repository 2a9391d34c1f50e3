#include "shell/keyboard_editing.h"

#include "shell/redraw.h"
#include "windows/window_list.h"
#include "shell/window_setters.h"

#include <limits>

namespace pw {

namespace {

// A setter's value from a coordinate and a step; a value beyond the field's range would be
// refused by the setter anyway, so it is not tried.
template <typename Setter>
void Step(Editor& editor, cWindow& w, std::int32_t from, int by, Setter set) {
    const long long to = static_cast<long long>(from) + by;
    if (by == 0 || to < std::numeric_limits<std::int32_t>::min() ||
        to > std::numeric_limits<std::int32_t>::max())
        return;
    set(editor, w, static_cast<std::int32_t>(to));
}

} // namespace

void NudgeWindow(Editor& editor, int dx, int dy) {
    cWindow* w = MovableCurrent(editor.doc.layout);
    if (!w) return;
    Step(editor, *w, w->X0, dx, SetX0);
    Step(editor, *w, w->Y0, dy, SetY0);
}

void DeleteCurrentWindow(Editor& editor) {
    if (cWindow* w = MovableCurrent(editor.doc.layout))
        DeleteWindow(editor.doc.layout, editor.doc.images.ImageList, w);
    RedrawAll(editor);
}

} // namespace pw
