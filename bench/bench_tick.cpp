// One timer tick of the Dynamic view on the busy 800 x 600 layout with a lift's windows on
// it, against the full redraw of the same layout: a tick redraws the windows it changed,
// or, under Full Redraw, asks for the one full redraw that the canvas makes before the next
// frame.

#include "busy_layout.h"
#include "cli/pending_redraw.h"
#include "ratio_report.h"
#include "shell/timer_step.h"
#include "shell/view_modes.h"
#include "shell/redraw.h"

#include <benchmark/benchmark.h>

namespace {

using pw::bench::Add;

// The busy layout with every kind the simulation moves, shown in Dynamic view.
struct LiftLayout : pw::bench::BusyLayout {
    pw::PendingRedraw canvas{editor};

    explicit LiftLayout(bool fullRedraw) : BusyLayout(pw::vmDesign) {
        const auto text = [this](int x0, int y0, int x1, int y1,
                                 std::uint8_t type) -> pw::cWindow& {
            pw::cWindow& w = Add(editor, x0, y0, x1, y1, type, pw::dtText);
            w.FontName = "Arial";
            w.FontSize = 28;
            w.FG = 255;
            w.BG0 = w.BG = 2;
            return w;
        };
        pw::cWindow& position = text(540, 10, 789, 59, pw::wtPosition);
        for (int floor = 0; floor <= 12; ++floor)
            position.Text.Set(floor, "Floor " + std::to_string(floor));
        pw::cWindow& destination = text(540, 70, 789, 119, pw::wtDestination);
        destination.Text = position.Text;
        pw::cWindow& status = text(540, 130, 789, 179, pw::wtLiftStatus);
        for (int s = 1; s <= 3; ++s) status.Text.Set(s, "Status " + std::to_string(s));
        pw::cWindow& clock = text(540, 190, 789, 239, pw::wtTimeDate);
        clock.Parameter = 1;
        clock.FontSize = 18;
        pw::cWindow& sequence = text(540, 250, 789, 299, pw::wtTimedSequence);
        sequence.Parameter = 2;
        sequence.Text.Set(0, "Welcome");
        sequence.Text.Set(1, "Please wait");
        editor.view.FullRedraw = fullRedraw;
        pw::SetViewMode(editor.view, pw::vmDynamic);
        canvas.Paint();
    }
};

// Each iteration is one tick and the paint it asked for; over many iterations the lift
// travels, stands, reverses and shows statuses.
void Ticks(benchmark::State& state, bool fullRedraw) {
    LiftLayout layout(fullRedraw);
    for (auto _ : state) {
        pw::TimerStep(layout.editor);
        layout.canvas.Paint();
        benchmark::DoNotOptimize(layout.editor.view.canvas.Bits());
    }
}
void BM_Tick(benchmark::State& state) {
    Ticks(state, false);
}
void BM_TickFullRedraw(benchmark::State& state) {
    Ticks(state, true);
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickFullRedraw)->Unit(benchmark::kMicrosecond);

// The reference: everything drawn again, as a paint of the whole canvas does.
void BM_RedrawAll(benchmark::State& state) {
    LiftLayout layout(true);
    for (auto _ : state) {
        pw::RedrawAll(layout.editor.view, layout.editor.doc);
        benchmark::DoNotOptimize(layout.editor.view.canvas.Bits());
    }
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_Tick", "BM_RedrawAll", "a tick: times faster than a full redraw"},
         {"BM_TickFullRedraw", "BM_RedrawAll",
          "a tick under Full Redraw, with its paint: times faster than a full redraw"}});
}
