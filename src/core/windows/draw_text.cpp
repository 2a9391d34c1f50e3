#include "windows/draw_text.h"

#include "display/colour.h"
#include "display/text_lines.h"
#include "windows/shown_values.h"

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

void DrawText(View& view, const cWindow& w, const Rect& r) {
    const ShownText shown = ShownTextOf(w, view.ViewMode);
    if (shown.text.empty()) return;

    // A negative size, possible only from a hand-edited file, draws as the smallest one.
    const FontDesc font{shown.fontName, std::clamp(shown.fontSize, 1, kMaxFontHeight), w.FontStyle};
    const ScreenColour colour = ColourOf(w.FG);
    const int bg = w.IndexBackground();
    const std::optional<ScreenColour> background =
        bg == kTransparent ? std::nullopt : std::optional<ScreenColour>(ColourOf(bg));
    view.canvasFont = {font, colour};

    const std::string s(shown.text);
    const unsigned n = LineCount(s);
    // A line height below one pixel would stack every line on the first.
    const long long h = std::max(1, view.textEngine.Measure(font, s).height);
    long long y = r.top;
    if (w.HasFlag(fmVCentre)) y = (static_cast<long long>(r.top) + r.bottom - h * n) / 2;
    const int shift = view.ViewMode == vmDesign ? 0 : 2;
    const int canvasHeight = view.canvas.Height();

    // Lines above the canvas are passed over without being split out, and drawing stops at
    // the canvas's bottom, so even a text of very many lines costs only what shows.
    for (unsigned i = 1; i <= n && y < canvasHeight; ++i, y += h) {
        if (y + h <= 0) continue;
        const std::string t =
            view.ViewMode == vmDesign ? GetLine(s, i) : Displayable(GetLine(s, i));
        const int width = view.textEngine.Measure(font, t).width;
        const long long x = LineLeft(w, r, width) + shift;
        if (x >= view.canvas.Width() || x + width <= 0) continue;
        view.textEngine.Draw(view.canvas, font, static_cast<int>(x), static_cast<int>(y), t,
                               colour, background);
    }
}

} // namespace pw
