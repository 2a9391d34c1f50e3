#include "shell/show_problem.h"

#include "check/problem.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"
#include "shell/window_setters.h"

#include <algorithm>

namespace pw {

void ShowProblem(Editor& editor, std::uint32_t window, int index) {
    const auto& list = editor.doc.layout.WindowList;
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const auto& w) { return w->Number == window; });
    if (found == list.end()) return;
    cWindow& w = **found;
    SelectWindow(editor, &w);
    if (index == kNoIndex || index == w.CurIndex) return;
    SetCurIndex(editor, w, index);
    LoadingScope loading(editor.view);
    editor.observers.Notify(&EditorObserver::WindowChanged);
}

} // namespace pw
