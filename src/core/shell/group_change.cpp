#include "shell/group_change.h"

#include "shell/redraw.h"
#include "shell/selection.h"
#include "windows/window_list.h"

namespace pw {

void ChangeGroupMember(Editor& editor, std::uint32_t number, const WindowFields& values,
                       FieldMask mask) {
    Layout& layout = editor.doc.layout;
    cWindow* w = WindowNumbered(layout, number);
    if (!w || (IsBackground(layout, w) && (mask & kPositionFields))) return;
    DrawWindow(editor, *w, DrawMode::Erase);
    CopyFields(*w, values, mask);
    ClipToDisplay(layout, *w);
    editor.observers.Notify((mask & ~kPositionFields) ? &EditorObserver::WindowChanged
                                                      : &EditorObserver::PositionChanged);
    DrawWindow(editor, *w, DrawMode::Draw);
}

} // namespace pw
