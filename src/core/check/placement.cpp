#include "check/placement.h"

#include "display/colour.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace pw {

namespace {

// Rectangles with inclusive corners, wide enough for any difference of two window fields.
struct Box {
    long long left, top, right, bottom;
    bool Empty() const { return left > right || top > bottom; }
};

Box BoxOf(const cWindow& w) {
    return {w.X0, w.Y0, w.X1, w.Y1};
}

Box Meet(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// What of the pieces the cover leaves, at most four pieces for each.
void Subtract(std::vector<Box>& pieces, const Box& cover) {
    std::vector<Box> left;
    for (const Box& p : pieces) {
        const Box m = Meet(p, cover);
        if (m.Empty()) {
            left.push_back(p);
            continue;
        }
        for (const Box& b :
             {Box{p.left, p.top, p.right, m.top - 1}, Box{p.left, m.bottom + 1, p.right, p.bottom},
              Box{p.left, m.top, m.left - 1, m.bottom}, Box{m.right + 1, m.top, p.right, m.bottom}})
            if (!b.Empty()) left.push_back(b);
    }
    pieces = std::move(left);
}

// Whether the window paints every pixel of its rectangle, at whatever index it shows: a
// Background object keeps its index, the others change theirs at run time.
bool IsOpaque(const cWindow& w) {
    if (w.DrawType == dtRectangle) return w.FG != kTransparent;
    if (w.DrawType == dtMat && w.Parameter >= 2 && w.Parameter <= 255) return true;
    if (w.Type == wtBackground) return w.IndexBackground() != kTransparent;
    return w.BG0 != kTransparent && w.BG != kTransparent;
}

// Members of one Shared group take turns in one place; none hides another.
bool TakeTurns(const cWindow& a, const cWindow& b) {
    return a.HasFlag(fmShared) && b.HasFlag(fmShared) && a.Tag == b.Tag;
}

// A damaged layout can cut a window into very many pieces; past this many it counts as seen.
constexpr std::size_t kMostPieces = 512;

bool IsHidden(const Box& shown, const cWindow& w, std::span<const cWindow* const> after) {
    std::vector<Box> pieces{shown};
    for (const cWindow* cover : after) {
        if (!IsOpaque(*cover) || TakeTurns(w, *cover)) continue;
        if (Meet(shown, BoxOf(*cover)).Empty()) continue;
        Subtract(pieces, BoxOf(*cover));
        if (pieces.empty()) return true;
        if (pieces.size() > kMostPieces) return false;
    }
    return false;
}

} // namespace

bool IsDisplaySize(long long width, long long height) {
    constexpr std::array<std::pair<long long, long long>, 4> sizes{
        {{640, 480}, {800, 600}, {480, 640}, {600, 800}}};
    return std::find(sizes.begin(), sizes.end(), std::pair<long long, long long>(width, height)) !=
           sizes.end();
}

void CheckPlacement(const Layout& layout, std::vector<Problem>& out) {
    const cWindow* background = Background(layout);
    if (!background) return;
    const Box display{0, 0, background->X1, background->Y1};
    const long long width = display.right + 1, height = display.bottom + 1;
    if (!IsDisplaySize(width, height))
        out.push_back({Severity::Error, ProblemKind::DisplaySize, background->Number, kNoIndex,
                       background->Lines.group,
                       "The display is " + std::to_string(width) + " x " + std::to_string(height) +
                           " pixels; the displays are 640 x 480, 800 x 600, 480 x 640 or 600 x "
                           "800.",
                       std::nullopt});

    // The order the canvas is painted in: Background objects first, then the others.
    std::vector<const cWindow*> order;
    for (const bool backgrounds : {true, false})
        for (const auto& w : layout.WindowList)
            if ((w->Type == wtBackground) == backgrounds) order.push_back(w.get());

    for (std::size_t k = 0; k < order.size(); ++k) {
        const cWindow& w = *order[k];
        if (&w == background) continue;
        const Box box = BoxOf(w);
        const Box shown = Meet(box, display);
        const auto add = [&](Severity severity, ProblemKind kind, std::string message,
                             std::optional<long long> pixels) {
            out.push_back(
                {severity, kind, w.Number, kNoIndex, w.Lines.group, std::move(message), pixels});
        };
        if (shown.Empty()) {
            add(Severity::Error, ProblemKind::WindowOutside,
                "The window lies wholly outside the display.", std::nullopt);
            continue;
        }
        const long long past = std::max({display.left - box.left, display.top - box.top,
                                         box.right - display.right, box.bottom - display.bottom});
        if (past > 0)
            add(Severity::Error, ProblemKind::WindowOutside,
                "The window passes the edge of the display by " + std::to_string(past) + " pixels.",
                past);
        if (IsHidden(shown, w, std::span(order).subspan(k + 1)))
            add(Severity::Warning, ProblemKind::WindowHidden,
                "The window is wholly hidden under opaque windows drawn after it.", std::nullopt);
    }
}

} // namespace pw
