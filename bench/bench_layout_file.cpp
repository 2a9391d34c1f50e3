// Saving and loading a large layout: 500 windows with 100 texts each. The reference reads the
// file one character at a time through a stream, as a plain text-file reader would. And
// keeping that layout aside and putting it back, as undo does, against doing the same through
// the layout file's text.

#include "cli/cli_editor.h"
#include "cli/cli_host.h"
#include "config/dcf_file.h"
#include "config/layout_file.h"
#include "platform/paths.h"
#include "ratio_report.h"
#include "shell/layout_snapshot.h"
#include "qt/qt_text_engine.h"
#include "shell/startup.h"
#include "windows/window_list.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

struct BigLayout {
    std::ostringstream messages;
    pw::CliHost host{messages};
    pw::QtTextEngine text;
    pw::Editor editor{host, text};
    std::string path;

    BigLayout() {
        pw::EnsureGuiApplication(); // loading draws the texts
        const auto root = std::filesystem::temp_directory_path() / "pw_bench_drive";
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        path = "C:\\big.dcf";
        pw::CreateDefaultLayout(editor);
        for (int i = 0; i < 500; ++i) {
            pw::cWindow& w = pw::NewWindow(editor.layout);
            w.Type = pw::wtPosition;
            w.X0 = i % 500;
            w.X1 = w.X0 + 100;
            w.Y1 = 30;
            w.FontName = "Arial";
            for (int k = 0; k < pw::kIndexCount; ++k)
                w.Text[k] = "Floor " + std::to_string(k) + "\r\nwindow " + std::to_string(i);
            // Every tenth window shows one of five shared pictures.
            if (i % 10 == 0) {
                w.DrawType = pw::dtImage;
                w.BMP[1] = "C:\\pic" + std::to_string(i % 5) + ".bmp";
                w.ImageHeld.set(1);
                editor.images.ImageList.AcquireImage(w.BMP[1]);
            }
        }
    }
};

BigLayout& Layout() {
    static BigLayout layout;
    return layout;
}

void BM_SaveLayout(benchmark::State& state) {
    BigLayout& big = Layout();
    for (auto _ : state) pw::SaveLayout(big.editor, big.path);
    state.counters["MiB"] = static_cast<double>(std::filesystem::file_size(pw::MapPath(big.path))) / (1 << 20);
}
BENCHMARK(BM_SaveLayout)->Unit(benchmark::kMillisecond);

void BM_LoadLayout(benchmark::State& state) {
    BigLayout& big = Layout();
    pw::SaveLayout(big.editor, big.path);
    pw::CliHost host(std::cerr);
    pw::QtTextEngine text;
    pw::Editor editor(host, text);
    for (auto _ : state) pw::LoadLayout(editor, big.path);
    if (editor.layout.WindowList.size() != 501) state.SkipWithError("layout not read back");
}
BENCHMARK(BM_LoadLayout)->Unit(benchmark::kMillisecond);

// Reads the same file a character at a time, splitting lines, without interpreting them.
void BM_ReferenceCharByCharRead(benchmark::State& state) {
    BigLayout& big = Layout();
    pw::SaveLayout(big.editor, big.path);
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
        const pw::LayoutSnapshot kept(big.editor);
        kept.RestoreTo(big.editor);
    }
    if (big.editor.layout.WindowList.size() != 501) state.SkipWithError("layout not restored");
}
BENCHMARK(BM_SnapshotAndRestore)->Unit(benchmark::kMillisecond);

// The same through the layout file's text: written out, then read back into the layout.
void BM_ReferenceSnapshotAsText(benchmark::State& state) {
    BigLayout& big = Layout();
    for (auto _ : state) {
        const std::string kept = pw::WriteLayoutText(big.editor.layout);
        pw::LoadingScope loading(big.editor);
        pw::DcfReader in(kept);
        pw::ReadGroups(big.editor.layout, in, big.host);
    }
    if (big.editor.layout.WindowList.size() != 501) state.SkipWithError("layout not read back");
}
BENCHMARK(BM_ReferenceSnapshotAsText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_SnapshotAndRestore", "BM_ReferenceSnapshotAsText",
          "Keeping a layout aside and back: times faster than through its text"}});
}
