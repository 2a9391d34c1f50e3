#include "windows/draw_text.h"

#include "display/colour.h"
#include "display/text_lines.h"
#include "windows/window_setters.h"

#include <algorithm>
#include <optional>

namespace pw {

namespace {

// The left column of a line of the given width: centred, right-aligned or at the left edge.
// Centre wins over Right when both are set.
long long LineLeft(const cWindow& w, const Rect& r, int width) {
    if (w.HasFlag(fmCentre)) return (static_cast<long long>(r.right) + r.left - width) / 2;
    if (w.HasFlag(fmRight)) return static_cast<long long>(r.right) - width;
    return r.left;
}

// The display draws text from its font files, which hold no character above code 127: the
// views that show the screen as the display does leave such characters out too.
std::string Displayable(std::string line) {
    std::erase_if(line, [](char c) { return static_cast<unsigned char>(c) >= 128; });
    return line;
}

} // namespace

void DrawText(Editor& editor, cWindow& w, const Rect& r) {
    // The clock shows live only in Dynamic view; elsewhere its place shows a fixed sample,
    // which is also what a window without a text there would show.
    // What drawing changes is no user's command: the undo history takes it in without a step.
    if (w.Type == wtTimeDate && editor.ViewMode != vmDynamic &&
        (w.CurIndex != 0 || w.Text[0] != TimeDateSample(w.Parameter))) {
        const LiveValues was = LiveValuesOf(w);
        w.CurIndex = 0;
        w.Text[0] = TimeDateSample(w.Parameter);
        editor.history.TakeIn(w, was);
    }
    // A window that shows no text is left as it is: drawing it must not give it a font, or
    // merely loading and saving a layout would change the file.
    if (!w.IndexInRange() || w.Text[w.CurIndex].empty()) return;
    if (w.FontName.empty() || w.FontSize == 0) {
        const LiveValues was = LiveValuesOf(w);
        if (w.FontName.empty()) w.FontName = "Arial";
        if (w.FontSize == 0) w.FontSize = 20;
        editor.history.TakeIn(w, was);
    }

    // A negative size, possible only from a hand-edited file, draws as the smallest one.
    const FontDesc font{w.FontName, std::clamp(w.FontSize, 1, kMaxFontHeight), w.FontStyle};
    const ScreenColour colour = ColourOf(w.FG);
    const int bg = w.IndexBackground();
    const std::optional<ScreenColour> background =
        bg == kTransparent ? std::nullopt : std::optional<ScreenColour>(ColourOf(bg));
    editor.canvasFont = {font, colour};

    const std::string& s = w.Text[w.CurIndex];
    const unsigned n = LineCount(s);
    // A line height below one pixel would stack every line on the first.
    const long long h = std::max(1, editor.textEngine.Measure(font, s).height);
    long long y = r.top;
    if (w.HasFlag(fmVCentre)) y = (static_cast<long long>(r.top) + r.bottom - h * n) / 2;
    const int shift = editor.ViewMode == vmDesign ? 0 : 2;
    const int canvasHeight = editor.canvas.Height();

    // Lines above the canvas are passed over without being split out, and drawing stops at
    // the canvas's bottom, so even a text of very many lines costs only what shows.
    for (unsigned i = 1; i <= n && y < canvasHeight; ++i, y += h) {
        if (y + h <= 0) continue;
        const std::string t =
            editor.ViewMode == vmDesign ? GetLine(s, i) : Displayable(GetLine(s, i));
        const int width = editor.textEngine.Measure(font, t).width;
        const long long x = LineLeft(w, r, width) + shift;
        if (x >= editor.canvas.Width() || x + width <= 0) continue;
        editor.textEngine.Draw(editor.canvas, font, static_cast<int>(x), static_cast<int>(y), t,
                               colour, background);
    }
}

} // namespace pw
