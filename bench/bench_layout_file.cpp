// Saving and loading a large layout: 500 windows with 100 texts each. The reference reads the
// file one character at a time through a stream, as a plain text-file reader would. And
// keeping that layout aside and putting it back, as undo does, against doing the same through
// the layout file's text.

#include "shell/window_commands.h"
#include "big_layout.h"
#include "config/dcf_file.h"
#include "shell/layout_file.h"
#include "platform/paths.h"
#include "ratio_report.h"
#include "windows/layout_snapshot.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

using pw::bench::BigLayout;

BigLayout& Layout() {
    static BigLayout layout;
    return layout;
}

void BM_SaveLayout(benchmark::State& state) {
    BigLayout& big = Layout();
    for (auto _ : state) pw::SaveLayout(big.editor.doc, big.path);
    state.counters["MiB"] = static_cast<double>(std::filesystem::file_size(pw::MapPath(big.path))) / (1 << 20);
}
BENCHMARK(BM_SaveLayout)->Unit(benchmark::kMillisecond);

void BM_LoadLayout(benchmark::State& state) {
    BigLayout& big = Layout();
    pw::SaveLayout(big.editor.doc, big.path);
    pw::CliHost host(std::cerr);
    pw::QtTextEngine fonts;
    pw::GlyphCache text(fonts);
    pw::Editor editor(host, text);
    for (auto _ : state) {
        // Each load renders the glyphs its repaint needs, as the first load of a session does.
        text.Clear();
        pw::LoadLayout(editor, big.path);
    }
    if (editor.doc.layout.WindowList.size() != 501) state.SkipWithError("layout not read back");
}
BENCHMARK(BM_LoadLayout)->Unit(benchmark::kMillisecond);

// Reads the same file a character at a time, splitting lines, without interpreting them.
void BM_ReferenceCharByCharRead(benchmark::State& state) {
    BigLayout& big = Layout();
    pw::SaveLayout(big.editor.doc, big.path);
    for (auto _ : state) {
        std::ifstream in(pw::MapPath(big.path), std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        for (int c = in.get(); c != EOF; c = in.get()) {
            if (c == '\n') {
                ++lines;
                line.clear();
            } else if (c != '\r') {
                line += static_cast<char>(c);
            }
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReferenceCharByCharRead)->Unit(benchmark::kMillisecond);

// Keeping the layout aside and putting it back: the windows copied, the images shared.
void BM_SnapshotAndRestore(benchmark::State& state) {
    BigLayout& big = Layout();
    for (auto _ : state) {
        const pw::LayoutSnapshot kept(big.editor.doc.layout, big.editor.doc.images.ImageList);
        PutLayoutBack(big.editor.doc, big.editor.view, kept);
    }
    if (big.editor.doc.layout.WindowList.size() != 501) state.SkipWithError("layout not restored");
}
BENCHMARK(BM_SnapshotAndRestore)->Unit(benchmark::kMillisecond);

// The same through the layout file's text: written out, then read back into the layout.
void BM_ReferenceSnapshotAsText(benchmark::State& state) {
    BigLayout& big = Layout();
    for (auto _ : state) {
        const std::string kept = pw::WriteLayoutText(big.editor.doc.layout);
        pw::LoadingScope loading(big.editor.view);
        pw::DcfReader in(kept);
        pw::ReadGroups(big.editor.doc.layout, in, big.host);
    }
    if (big.editor.doc.layout.WindowList.size() != 501) state.SkipWithError("layout not read back");
}
BENCHMARK(BM_ReferenceSnapshotAsText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_SnapshotAndRestore", "BM_ReferenceSnapshotAsText",
          "Keeping a layout aside and back: times faster than through its text"}});
}
