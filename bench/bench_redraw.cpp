// A full redraw of a busy 800 x 600 layout, and a full-screen mat drawn into the canvas
// buffer against the same mat painted pixel by pixel with QPainter::drawPoint.

#include "busy_layout.h"
#include "display/colour.h"
#include "windows/draw_mat.h"
#include "windows/random.h"
#include "shell/redraw.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using pw::bench::BusyLayout;
using pw::bench::kH;
using pw::bench::kW;

// Argument: the view (0 Design, where the mat is a placeholder; 1 Static).
void BM_RedrawAllBusyLayout(benchmark::State& state) {
    BusyLayout layout(static_cast<std::uint8_t>(state.range(0)));
    for (auto _ : state) {
        pw::RedrawAll(layout.editor.view, layout.editor.doc);
        benchmark::DoNotOptimize(layout.editor.view.canvas.Bits());
    }
}
BENCHMARK(BM_RedrawAllBusyLayout)
    ->Arg(pw::vmDesign)
    ->Arg(pw::vmStatic)
    ->Unit(benchmark::kMillisecond);

// The full-screen mat alone, as the renderer draws it.
void BM_MatFullScreen(benchmark::State& state) {
    BusyLayout layout(pw::vmStatic);
    pw::cWindow& mat = *pw::WindowAt(layout.editor.doc.layout, 1);
    const pw::Rect r{0, 0, kW - 1, kH - 1};
    for (auto _ : state) {
        pw::DrawMat(layout.editor.view, layout.editor.doc.layout.BackgroundColour, mat, r);
        benchmark::DoNotOptimize(layout.editor.view.canvas.Bits());
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_MatFullScreen)->Unit(benchmark::kMillisecond);

// The same mat the straightforward way: one pen change and one drawPoint per pixel.
void BM_MatFullScreenDrawPoint(benchmark::State& state) {
    BusyLayout layout(pw::vmStatic);
    const pw::cWindow& mat = *pw::WindowAt(layout.editor.doc.layout, 1);
    QImage image(kW, kH, QImage::Format_RGB32);
    const std::vector<pw::ScreenColour> levels = pw::MatLevels(layout.editor.view, layout.editor.doc.layout.BackgroundColour, mat, mat.Parameter);
    const std::uint32_t mask = pw::MatMask(mat.Texture);
    const auto n = static_cast<std::uint32_t>(mat.Parameter);
    for (auto _ : state) {
        QPainter painter(&image);
        std::uint32_t s = 0;
        for (int y = 0; y < kH; ++y) {
            int drawn = 0;
            for (int x = 0; x < kW; ++x, ++drawn) {
                s = pw::NextState(s, mask);
                painter.setPen(QColor::fromRgb(levels[s % n]));
                painter.drawPoint(x, y);
            }
            for (; drawn < pw::MatRowLength; ++drawn) s = pw::NextState(s, mask);
        }
        benchmark::DoNotOptimize(image.bits());
    }
    // Both ways must give the same picture, or the comparison means nothing.
    pw::DrawMat(layout.editor.view, layout.editor.doc.layout.BackgroundColour, mat, {0, 0, kW - 1, kH - 1});
    const QImage drawn(reinterpret_cast<const uchar*>(layout.editor.view.canvas.Bits()), kW, kH, kW * 4,
                       QImage::Format_RGB32);
    if (drawn != image) state.SkipWithError("the reference paints a different mat");
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_MatFullScreenDrawPoint)->Unit(benchmark::kMillisecond);

} // namespace
