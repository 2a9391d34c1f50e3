// One step of a mouse drag on the busy 800 x 600 layout: the moved window is erased and drawn
// again at its new place, against a full redraw of the layout in the same run.

#include "busy_layout.h"
#include "ratio_report.h"
#include "shell/canvas_editing.h"
#include "shell/redraw.h"

#include <benchmark/benchmark.h>

namespace {

using pw::bench::BusyLayout;

// The first text window of the layout: two lines in bold on a transparent background, which a
// drag fills with the display's colour.
constexpr std::size_t kDragged = 2;

void DragStep(benchmark::State& state, std::uint8_t view) {
    BusyLayout layout(view);
    pw::Editor& editor = layout.editor;
    pw::cWindow& w = *pw::WindowAt(editor.doc.layout, kDragged);
    const int x = (w.X0 + w.X1) / 2, y = (w.Y0 + w.Y1) / 2;
    const int x0 = w.X0;
    pw::RedrawAll(editor);
    pw::FormMouseDown(editor, pw::mbLeft, pw::ssLeft, x, y);
    int step = 0;
    for (auto _ : state) {
        // Down and right by one pixel, then back, so the window never meets an edge.
        const int d = ++step % 2;
        pw::FormMouseMove(editor, pw::ssLeft, x + d, y + d);
        benchmark::DoNotOptimize(editor.view.canvas.Bits());
    }
    if (w.X0 != x0 + step % 2) state.SkipWithError("the window did not follow the pointer");
}

void RedrawAll(benchmark::State& state, std::uint8_t view) {
    BusyLayout layout(view);
    for (auto _ : state) {
        pw::RedrawAll(layout.editor);
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
         {"BM_DragStepStatic", "BM_RedrawAllStatic", "drag step vs full redraw, Static view"}});
}
