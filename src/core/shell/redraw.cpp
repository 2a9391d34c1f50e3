#include "shell/redraw.h"

#include "windows/shown_values.h"
#include "windows/window_list.h"

namespace pw {

bool ApplyShownValues(Document& doc, const View& view, bool tellHistory) {
    Layout& layout = doc.layout;
    const std::uint8_t mode = view.ViewMode;
    bool current = false;
    for (const auto& w : layout.WindowList) {
        if (!DiffersFromShown(*w, mode) || !IsShownShared(layout, *w)) continue;
        const LiveValues was = LiveValuesOf(*w);
        ApplyShownValues(*w, mode);
        if (tellHistory) doc.history.TakeIn(*w, was);
        current = current || w.get() == layout.CurWindow;
    }
    return current;
}

void RedrawAll(View& view, Document& doc) {
    if (view.Loading) return;
    Layout& layout = doc.layout;
    // The colour that stands in for transparency follows the display's background whenever
    // the Background object is selected and everything is drawn again.
    if (layout.CurWindow && layout.CurWindow == Background(layout))
        layout.BackgroundColour = layout.CurWindow->BG0;
    ApplyShownValues(doc, view);
    RedrawAll(view, layout);
}

void DrawWindow(View& view, Document& doc, const cWindow& w, DrawMode mode) {
    if (view.Loading) return;
    if (mode == DrawMode::Draw) ApplyShownValues(doc, view);
    DrawWindow(view, doc.layout, w, mode);
}

} // namespace pw
