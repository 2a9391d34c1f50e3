// Converting an 800 x 600 photo-like 24-bit bitmap file, with and without dithering: the
// image store's LoadImage against the plain conversion (each row sought, each byte read
// from the file stream, each pixel matched by the full palette search), and against just
// reading the file's bytes.

#include "cli/cli_host.h"
#include "images/load_image.h"
#include "photo_bitmap.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "ratio_report.h"
#include "reference/bitmap_reference.h"

#include <iostream>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* kPhotoPath = "C:\\photo.bmp";

struct Setting {
    pw::CliHost host{std::cerr};
    pw::Observers observers;
    pw::ImageBank images{host, observers};

    Setting() {
        const auto root = std::filesystem::temp_directory_path() / "pw_bench_drive";
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        std::ofstream(pw::MapPath(kPhotoPath), std::ios::binary) << pw::bench::PhotoBitmap();
    }
};

Setting& Bench() {
    static Setting setting;
    return setting;
}

void Load(benchmark::State& state, bool dither) {
    pw::ImageBank& images = Bench().images;
    images.Dither = dither;
    for (auto _ : state) {
        const pw::cImage* image = pw::LoadImage(images, kPhotoPath);
        if (!image) return state.SkipWithError("the picture was refused");
        benchmark::DoNotOptimize(image->Data.data());
        images.ImageList.DiscardImage(kPhotoPath);
    }
}

void Reference(benchmark::State& state, bool dither) {
    pw::ImageBank& images = Bench().images;
    images.Dither = dither;
    for (auto _ : state) {
        std::ifstream in(pw::MapPath(kPhotoPath), std::ios::binary);
        const auto data = pw::reference::ConvertBitmap(images, in);
        if (!data) return state.SkipWithError("the picture was refused");
        benchmark::DoNotOptimize(data->data());
    }
}

void BM_ReadFileBytes(benchmark::State& state) {
    Bench();
    for (auto _ : state) {
        const std::string bytes = pw::ReadFileBytes(kPhotoPath, pw::kMaxBitmapFileBytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
void BM_LoadImage(benchmark::State& state) {
    Load(state, false);
}
void BM_LoadImageDithered(benchmark::State& state) {
    Load(state, true);
}
void BM_ReferenceConvert(benchmark::State& state) {
    Reference(state, false);
}
void BM_ReferenceConvertDithered(benchmark::State& state) {
    Reference(state, true);
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImageDithered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceConvert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceConvertDithered)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_LoadImage", "BM_ReferenceConvert",
          "LoadImage: times faster than the plain conversion"},
         {"BM_LoadImageDithered", "BM_ReferenceConvertDithered",
          "LoadImage dithered: times faster than the plain conversion"},
         {"BM_ReadFileBytes", "BM_LoadImage", "LoadImage: times the time of reading the bytes"},
         {"BM_ReadFileBytes", "BM_LoadImageDithered",
          "LoadImage dithered: times the time of reading the bytes"}});
}
