// Undo on the large layout (500 windows with 100 texts each): one step of a command that moved
// one window taken back, against the straightforward way of keeping the layout file's text at
// every step and reading it back on undo. Also what ending a command costs, and what the
// history holds per step: window copies and bytes, for steps that change one window and for
// steps that change every window.

#include "shell/window_commands.h"
#include "big_layout.h"
#include "config/dcf_file.h"
#include "ratio_report.h"
#include "shell/timer_step.h"
#include "shell/redraw.h"
#include "shell/window_setters.h"

#include <benchmark/benchmark.h>

namespace {

using pw::bench::BigLayout;

BigLayout& Layout() {
    static BigLayout layout;
    return layout;
}

// Moves the i-th window other than the Background object by a pixel, and back the next time.
void MoveOne(pw::Editor& editor, int i) {
    pw::cWindow& w = *pw::WindowAt(editor.doc.layout, 1 + static_cast<std::size_t>(i) % 500);
    pw::SetValue(editor.doc, editor.view, w, pw::wfX0, w.X0 % 2 ? w.X0 - 1 : w.X0 + 1);
}

// Starts the history afresh and ends the given number of commands that each moved one window.
void MoveSteps(pw::Editor& editor, int steps) {
    editor.doc.history.Reset(editor.doc);
    for (int i = 0; i < steps; ++i) {
        MoveOne(editor, i);
        editor.doc.history.Commit(editor.doc);
    }
}

void BM_UndoOneStep(benchmark::State& state) {
    pw::Editor& editor = Layout().editor;
    MoveSteps(editor, 1);
    for (auto _ : state) {
        Undo(editor.doc, editor.view);
        state.PauseTiming();
        Redo(editor.doc, editor.view);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOneStep)->Unit(benchmark::kMillisecond);

// Undo as the user waits for it: the layout put back and drawn again.
void BM_UndoOneStepAndRedraw(benchmark::State& state) {
    pw::Editor& editor = Layout().editor;
    MoveSteps(editor, 1);
    for (auto _ : state) {
        Undo(editor.doc, editor.view);
        pw::RedrawAll(editor.view, editor.doc);
        state.PauseTiming();
        Redo(editor.doc, editor.view);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOneStepAndRedraw)->Unit(benchmark::kMillisecond);

// Keeping each step as the layout file's text, and reading the text back to undo.
void BM_ReferenceUndoAsText(benchmark::State& state) {
    BigLayout& big = Layout();
    const std::string kept = pw::WriteLayoutText(big.editor.doc.layout);
    for (auto _ : state) {
        pw::LoadingScope loading(big.editor.view);
        pw::DcfReader in(kept);
        pw::ReadGroups(big.editor.doc.layout, in, big.host);
    }
    big.editor.doc.history.Reset(big.editor.doc);
}
BENCHMARK(BM_ReferenceUndoAsText)->Unit(benchmark::kMillisecond);

// The end of a command that moved one window: comparing the layout with the last kept one and
// keeping the change.
void BM_CommitOneStep(benchmark::State& state) {
    pw::Editor& editor = Layout().editor;
    MoveSteps(editor, 0);
    pw::cWindow& w = *pw::WindowAt(editor.doc.layout, 250);
    for (auto _ : state) {
        state.PauseTiming();
        pw::SetValue(editor.doc, editor.view, w, pw::wfY0, w.Y0 ? 0 : 1);
        state.ResumeTiming();
        editor.doc.history.Commit(editor.doc);
    }
}
BENCHMARK(BM_CommitOneStep)->Unit(benchmark::kMillisecond);

// A timer tick of the Dynamic view that moves every window's index, with 200 steps kept:
// each kept layout takes the new indexes in. Against the same tick with nothing kept.
void BM_TickTakenIn(benchmark::State& state, int steps) {
    pw::Editor& editor = Layout().editor;
    MoveSteps(editor, steps);
    editor.view.ViewMode = pw::vmDynamic;
    for (auto _ : state) {
        // Every Position window follows the simulated lift, which moves each tick.
        editor.run.sim.SimDestDelay = 1;
        pw::TimerStep(editor);
    }
    editor.view.ViewMode = pw::vmDesign;
}
BENCHMARK_CAPTURE(BM_TickTakenIn, TwoHundredSteps, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TickTakenIn, NoSteps, 0)->Unit(benchmark::kMillisecond);

// What the history holds per step, measured over the first ten steps of one kind, and how
// many steps of that kind it keeps.
void BM_StepCost(benchmark::State& state, bool everyWindow) {
    pw::Editor& editor = Layout().editor;
    constexpr int kMeasured = 10, kSteps = 200;
    for (auto _ : state) {
        editor.doc.history.Reset(editor.doc);
        const std::size_t copies = editor.doc.history.WindowCopies();
        const std::size_t bytes = editor.doc.history.Bytes();
        for (int i = 0; i < kSteps; ++i) {
            if (everyWindow)
                pw::SetIndexForType(editor.doc, editor.view, pw::wtPosition, 1 + i % 50);
            else
                MoveOne(editor, i);
            editor.doc.history.Commit(editor.doc);
            if (i + 1 != kMeasured) continue;
            state.counters["copies/step"] =
                static_cast<double>(editor.doc.history.WindowCopies() - copies) / kMeasured;
            state.counters["KiB/step"] =
                static_cast<double>(editor.doc.history.Bytes() - bytes) / kMeasured / 1024;
        }
        state.counters["steps kept"] = static_cast<double>(editor.doc.history.UndoSteps());
        state.counters["MiB kept"] = static_cast<double>(editor.doc.history.Bytes()) / (1 << 20);
    }
}
BENCHMARK_CAPTURE(BM_StepCost, OneWindow, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StepCost, EveryWindow, true)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_UndoOneStep", "BM_ReferenceUndoAsText",
          "Undo of one step: times faster than reading the step's text back"},
         {"BM_TickTakenIn/NoSteps", "BM_TickTakenIn/TwoHundredSteps",
          "A tick with 200 steps kept: times slower than with none"}});
}
