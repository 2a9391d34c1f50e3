#include "shell/keyboard_editing.h"

#include "shell/redraw.h"
#include "windows/window_list.h"
#include "shell/window_setters.h"

#include <limits>

namespace pw {

namespace {

// A coordinate and a step; a value beyond the field's range would be refused anyway, so the
// coordinate stays.
std::int32_t Stepped(std::int32_t from, int by) {
    const long long to = static_cast<long long>(from) + by;
    if (to < std::numeric_limits<std::int32_t>::min() ||
        to > std::numeric_limits<std::int32_t>::max())
        return from;
    return static_cast<std::int32_t>(to);
}

} // namespace

void NudgeWindow(Document& doc, View& view, int dx, int dy) {
    if (cWindow* w = MovableCurrent(doc.layout))
        MoveTo(doc, view, *w, Stepped(w->X0, dx), Stepped(w->Y0, dy));
}

void DeleteCurrentWindow(Document& doc, View& view) {
    if (cWindow* w = MovableCurrent(doc.layout)) DeleteWindow(doc.layout, doc.images.ImageList, w);
    RedrawAll(view, doc);
}

} // namespace pw
