// Converting an 800 x 600 photo-like 24-bit bitmap file, with and without dithering: the
// image store's LoadImage against the plain conversion (each row sought, each byte read
// from the file stream, each pixel matched by the full palette search), and against just
// reading the file's bytes. Then a 4000 x 3000 photo, which the Image dialog must convert
// and show without keeping the user waiting: converted, and painted as the dialog's picture.

#include "cli/cli_editor.h"
#include "cli/cli_host.h"
#include "dialogs/image_dialog_logic.h"
#include "images/load_image.h"
#include "photo_bitmap.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "ratio_report.h"
#include "reference/bitmap_reference.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr const char* kPhotoPath = "C:\\photo.bmp";
constexpr const char* kLargePath = "C:\\large.bmp";
constexpr int kLargeWidth = 4000, kLargeHeight = 3000;

struct Setting {
    pw::CliHost host{std::cerr};
    pw::Observers observers;
    pw::ImageBank images{host, observers};

    Setting() {
        const auto root = std::filesystem::temp_directory_path() / "pw_bench_drive";
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        std::ofstream(pw::MapPath(kPhotoPath), std::ios::binary) << pw::bench::PhotoBitmap();
        std::ofstream(pw::MapPath(kLargePath), std::ios::binary)
            << pw::bench::PhotoBitmap(kLargeWidth, kLargeHeight);
    }
};

Setting& Bench() {
    static Setting setting;
    return setting;
}

void Load(benchmark::State& state, bool dither, const char* path = kPhotoPath) {
    pw::ImageBank& images = Bench().images;
    images.Dither = dither;
    for (auto _ : state) {
        const pw::cImage* image = pw::LoadImage(images, path);
        if (!image) return state.SkipWithError("the picture was refused");
        benchmark::DoNotOptimize(image->Data.data());
        images.ImageList.DiscardImage(path);
    }
}

void Reference(benchmark::State& state, bool dither, const char* path = kPhotoPath) {
    pw::ImageBank& images = Bench().images;
    images.Dither = dither;
    for (auto _ : state) {
        std::ifstream in(pw::MapPath(path), std::ios::binary);
        const auto data = pw::reference::ConvertBitmap(images, in);
        if (!data) return state.SkipWithError("the picture was refused");
        benchmark::DoNotOptimize(data->data());
    }
}

void ReadBytes(benchmark::State& state, const char* path) {
    Bench();
    for (auto _ : state) {
        const std::string bytes = pw::ReadFileBytes(path, pw::kMaxBitmapFileBytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_ReadFileBytes(benchmark::State& state) {
    ReadBytes(state, kPhotoPath);
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
void BM_ReadFileBytesLarge(benchmark::State& state) {
    ReadBytes(state, kLargePath);
}
void BM_LoadImageLarge(benchmark::State& state) {
    Load(state, false, kLargePath);
}
void BM_LoadImageLargeDithered(benchmark::State& state) {
    Load(state, true, kLargePath);
}
void BM_ReferenceConvertLarge(benchmark::State& state) {
    Reference(state, false, kLargePath);
}
// The Image dialog opened on the converted photo: its picture painted at full size.
void BM_ShowLargePicture(benchmark::State& state) {
    Setting& setting = Bench();
    pw::EnsureGuiApplication();
    pw::QtTextEngine text;
    pw::Editor editor(setting.host, text);
    if (!pw::LoadImage(editor.doc.images, kLargePath))
        return state.SkipWithError("the picture was refused");
    pw::ImageDialogLogic dialog(editor.doc.images, editor.host, editor.observers, editor.view);
    for (auto _ : state) {
        dialog.ImageName = kLargePath;
        dialog.FormShow();
        benchmark::DoNotOptimize(dialog.Picture().Bits());
        dialog.FormClose();
    }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImageDithered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceConvert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceConvertDithered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileBytesLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImageLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImageLargeDithered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceConvertLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowLargePicture)->Unit(benchmark::kMillisecond);

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
          "LoadImage dithered: times the time of reading the bytes"},
         {"BM_LoadImageLarge", "BM_ReferenceConvertLarge",
          "LoadImage 4000 x 3000: times faster than the plain conversion"},
         {"BM_ReadFileBytesLarge", "BM_LoadImageLarge",
          "LoadImage 4000 x 3000: times the time of reading the bytes"},
         {"BM_ReadFileBytesLarge", "BM_LoadImageLargeDithered",
          "LoadImage 4000 x 3000 dithered: times the time of reading the bytes"},
         {"BM_ReadFileBytesLarge", "BM_ShowLargePicture",
          "Dialog picture 4000 x 3000: times the time of reading the bytes"}});
}
