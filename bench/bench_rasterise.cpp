// Rasterising the standard set of a 24-pixel font: RasteriseGlyphs and the file's bytes
// against the plain method (the work area cleared for every character, cells counted and
// pixels read one at a time, bytes pushed one by one), and RasteriseFont with the file
// written, which is what a generation pays for every font, and the first making of a font,
// whose glyphs are drawn into the glyph cache.

#include "cli/cli_editor.h"
#include "generate/font_rasteriser.h"
#include "qt/qt_text_engine.h"
#include "ratio_report.h"
#include "reference/font_reference.h"
#include "windows/glyph_cache.h"

#include <cstdlib>
#include <filesystem>

namespace {

const pw::FontDesc kFont{"Arial", 24, 0};

pw::QtTextEngine& Engine() {
    static pw::QtTextEngine* engine = [] {
        pw::EnsureGuiApplication();
        const auto root = std::filesystem::temp_directory_path() / "pw_bench_drive";
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        return new pw::QtTextEngine;
    }();
    return *engine;
}

void BM_RasteriseGlyphs(benchmark::State& state) {
    pw::QtTextEngine& engine = Engine();
    for (auto _ : state) {
        const std::string bytes = pw::FontFileBytes(pw::RasteriseGlyphs(engine, kFont, "", 0).font);
        benchmark::DoNotOptimize(bytes.data());
    }
}
void BM_ReferenceRasterise(benchmark::State& state) {
    pw::QtTextEngine& engine = Engine();
    for (auto _ : state) {
        const auto file = pw::reference::RasteriseFontFile(engine, kFont, "", 0);
        benchmark::DoNotOptimize(file.bytes.data());
    }
}
// The first time a font is made: every glyph drawn by the system's fonts into the glyph cache,
// then encoded from the cache, as a generation after the editor starts does it.
void BM_RasteriseFirstTime(benchmark::State& state) {
    pw::GlyphCache cache(Engine());
    const pw::FontDesc font{"Arial", static_cast<int>(state.range(0)), 0};
    for (auto _ : state) {
        cache.Clear();
        const std::string bytes = pw::FontFileBytes(pw::RasteriseGlyphs(cache, font, "", 0).font);
        benchmark::DoNotOptimize(bytes.data());
    }
}
void BM_RasteriseFont(benchmark::State& state) {
    pw::QtTextEngine& engine = Engine();
    for (auto _ : state) pw::RasteriseFont(engine, kFont, "C:\\", "Arial24.fnt", "", 0);
}
BENCHMARK(BM_RasteriseGlyphs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceRasterise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasteriseFont)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasteriseFirstTime)->Arg(24)->Arg(120)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(argc, argv,
                                    {{"BM_RasteriseGlyphs", "BM_ReferenceRasterise",
                                      "RasteriseGlyphs: times faster than the plain method"},
                                     {"BM_RasteriseGlyphs", "BM_RasteriseFont",
                                      "RasteriseFont: times the time of rasterising in memory"}});
}
