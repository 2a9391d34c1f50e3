#include "shell/show_problem.h"

#include "check/problem.h"
#include "shell/window_commands.h"
#include "windows/window_list.h"
#include "shell/window_setters.h"

#include <algorithm>

namespace pw {

void ShowProblem(Document& doc, View& view, std::uint32_t window, int index) {
    const auto& list = doc.layout.WindowList;
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const auto& w) { return w->Number == window; });
    if (found == list.end()) return;
    cWindow& w = **found;
    SelectWindow(doc, view, &w);
    if (index == kNoIndex || index == w.CurIndex) return;
    SetValue(doc, view, w, wfCurIndex, index);
    LoadingScope loading(view);
    doc.observers.Notify(&EditorObserver::WindowChanged);
}

} // namespace pw
