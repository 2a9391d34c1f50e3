// Filling window rectangles on the canvas buffer against painting the same pixels one by one.

#include "platform/raster_canvas.h"
#include "display/colour.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kW = 800, kH = 600;

void BM_FillRect(benchmark::State& state) {
    pw::RasterCanvas canvas(kW, kH, pw::kButtonFace);
    for (auto _ : state) {
        canvas.FillRect({0, 0, kW - 1, kH - 1}, pw::ColourOf(42));
        benchmark::DoNotOptimize(canvas.Bits());
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FillRect);

void BM_FillRectPixelByPixel(benchmark::State& state) {
    pw::RasterCanvas canvas(kW, kH, pw::kButtonFace);
    for (auto _ : state) {
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) canvas.SetPixel(x, y, pw::ColourOf(42));
        benchmark::DoNotOptimize(canvas.Bits());
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FillRectPixelByPixel);

} // namespace
