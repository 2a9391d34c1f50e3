// The whole check of a layout of 500 windows with 100 texts each, as the Problems panel runs
// it after every command, against the straightforward check that measures every line of every
// text with the text engine.

#include "check/bitmaps.h"
#include "check/index_gaps.h"
#include "check/layout_check.h"
#include "check/placement.h"
#include "cli/cli_editor.h"
#include "qt/qt_text_engine.h"
#include "ratio_report.h"
#include "reference/check_reference.h"
#include "windows/window_list.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWindows = 500;

// 500 text windows over an 800 x 600 display in four sizes of two faces, every index set with
// a floor name, every fifth one of two lines; a few too wide for their window, every tenth
// window opaque.
pw::Layout BigLayout() {
    pw::Layout layout;
    pw::cWindow& background = pw::NewWindow(layout);
    background.X1 = 799;
    background.Y1 = 599;
    background.BG0 = 42;
    for (int i = 1; i < kWindows; ++i) {
        pw::cWindow& w = pw::NewWindow(layout);
        w.Type = i % 2 ? pw::wtPosition : pw::wtMessage;
        w.X0 = (i * 37) % 400;
        w.Y0 = (i * 53) % 520;
        w.X1 = w.X0 + 379;
        w.Y1 = w.Y0 + 79;
        w.BG0 = w.BG = i % 10 ? 256 : 42;
        w.FontName = i % 3 ? "Arial" : "Times New Roman";
        w.FontSize = 16 + 8 * (i % 4);
        w.Format = i % 4 == 0 ? pw::fmCentre : 0;
        for (int k = 0; k < pw::kIndexCount; ++k)
            w.Text.Set(k, k % 5 ? "Floor " + std::to_string(k) + " - car park"
                                : "Level " + std::to_string(k) + "\r\nRestaurant and bar");
        w.Text.Set(99, "Basement car park and loading bay");
    }
    return layout;
}

struct Fixture {
    Fixture() { pw::EnsureGuiApplication(); }
    pw::QtTextEngine engine;
    pw::Layout layout = BigLayout();
    pw::ImageStore images;
};

// With the fonts measured once and kept, as after every command but the first.
void BM_CheckLayout(benchmark::State& state) {
    Fixture f;
    pw::DisplayFonts fonts;
    pw::CheckLayout(f.layout, f.images, f.engine, fonts);
    for (auto _ : state)
        benchmark::DoNotOptimize(pw::CheckLayout(f.layout, f.images, f.engine, fonts));
}
BENCHMARK(BM_CheckLayout)->Unit(benchmark::kMillisecond);

// The first check of a layout: its fonts are measured too.
void BM_CheckLayoutFirst(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        pw::DisplayFonts fonts;
        benchmark::DoNotOptimize(pw::CheckLayout(f.layout, f.images, f.engine, fonts));
    }
}
BENCHMARK(BM_CheckLayoutFirst)->Unit(benchmark::kMillisecond);

// The same check with every line of every text measured by the engine.
void BM_CheckLayoutByEngine(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        std::vector<pw::Problem> problems;
        pw::CheckPlacement(f.layout, problems);
        pw::reference::CheckTextsByEngine(f.layout, f.engine, problems);
        pw::CheckBitmaps(f.layout, f.images, problems);
        pw::CheckIndexGaps(f.layout, problems);
        benchmark::DoNotOptimize(problems);
    }
}
BENCHMARK(BM_CheckLayoutByEngine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_CheckLayout", "BM_CheckLayoutByEngine",
          "check with kept glyph widths vs every line measured by the engine"}});
}
