// One step of a mouse drag on the busy 800 x 600 layout: the moved window is erased and drawn
// again at its new place, against a full redraw of the layout in the same run; and a step of
// fifty selected windows dragged together with snapping, beside the one window's step.

#include "busy_layout.h"
#include "ratio_report.h"
#include "shell/canvas_editing.h"
#include "shell/redraw.h"
#include "shell/selection_commands.h"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

using pw::bench::BusyLayout;

// The first text window of the layout: two lines in bold on a transparent background, which a
// drag fills with the display's colour.
constexpr std::size_t kDragged = 2;

// Presses on the dragged window's centre and moves the pointer to offset(step) from there at
// every step. Returns the steps made and how far the window has moved from where it started.
template <class Offset>
std::pair<int, int> Drag(benchmark::State& state, pw::Editor& editor, Offset offset) {
    pw::cWindow& w = *pw::WindowAt(editor.doc.layout, kDragged);
    const int x = (w.X0 + w.X1) / 2, y = (w.Y0 + w.Y1) / 2;
    const int x0 = w.X0;
    pw::RedrawAll(editor.view, editor.doc);
    pw::FormMouseDown(editor, pw::mbLeft, pw::ssLeft, x, y);
    int step = 0;
    for (auto _ : state) {
        const auto [dx, dy] = offset(++step);
        pw::FormMouseMove(editor, pw::ssLeft, x + dx, y + dy);
        benchmark::DoNotOptimize(editor.view.canvas.Bits());
    }
    return {step, w.X0 - x0};
}

void DragStep(benchmark::State& state, std::uint8_t view) {
    BusyLayout layout(view);
    // Down and right by one pixel, then back, so the window never meets an edge.
    const auto [steps, moved] = Drag(state, layout.editor, [](int step) {
        const int d = step % 2;
        return std::pair{d, d};
    });
    if (moved != steps % 2) state.SkipWithError("the window did not follow the pointer");
}

// Fifty windows of the busy layout and a dozen small ones more, selected and dragged by the
// first text window with snapping on. Their box spans 10..779, centre 394. The pointer goes
// 8 pixels left and back: the box's left edge snaps to the display's (10 pixels left), and
// back at the start its centre snaps to the display's 399 (5 right), so every step moves all
// fifty by 15 pixels and snaps.
void GroupDragStep(benchmark::State& state) {
    BusyLayout layout(pw::vmDesign);
    pw::Editor& editor = layout.editor;
    for (int i = 0; i < 12; ++i) {
        pw::cWindow& t = pw::bench::Add(editor, 20 + i * 62, 505, 69 + i * 62, 524, pw::wtMessage,
                                        pw::dtText);
        t.FontName = "Arial";
        t.FontSize = 12;
        t.BG0 = 195;
        t.Text.Set(0, "Lift " + std::to_string(i));
    }
    std::set<pw::WindowId> ids;
    for (std::size_t i = 2; i < editor.doc.layout.WindowList.size() && ids.size() < 50; ++i)
        ids.insert(editor.doc.layout.WindowList[i]->Id);
    pw::SelectIds(editor, ids);
    editor.pointer.snap.windows = true;
    const auto [steps, moved] =
        Drag(state, editor, [](int step) { return std::pair{step % 2 ? -8 : 0, 0}; });
    if (moved != (steps % 2 ? -10 : 5)) state.SkipWithError("the group did not follow the pointer");
}

void BM_GroupDragStep50(benchmark::State& state) { GroupDragStep(state); }
BENCHMARK(BM_GroupDragStep50)->Unit(benchmark::kMicrosecond);

void RedrawAll(benchmark::State& state, std::uint8_t view) {
    BusyLayout layout(view);
    for (auto _ : state) {
        pw::RedrawAll(layout.editor.view, layout.editor.doc);
        benchmark::DoNotOptimize(layout.editor.view.canvas.Bits());
    }
}

void BM_DragStepDesign(benchmark::State& state) {
    DragStep(state, pw::vmDesign);
}
void BM_RedrawAllDesign(benchmark::State& state) {
    RedrawAll(state, pw::vmDesign);
}
void BM_DragStepStatic(benchmark::State& state) {
    DragStep(state, pw::vmStatic);
}
void BM_RedrawAllStatic(benchmark::State& state) {
    RedrawAll(state, pw::vmStatic);
}
BENCHMARK(BM_DragStepDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawAllDesign)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStepStatic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawAllStatic)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_DragStepDesign", "BM_RedrawAllDesign", "drag step vs full redraw, Design view"},
         {"BM_DragStepDesign", "BM_GroupDragStep50",
          "step of 50 windows with snapping, in one window's steps"},
         {"BM_DragStepStatic", "BM_RedrawAllStatic", "drag step vs full redraw, Static view"}});
}
