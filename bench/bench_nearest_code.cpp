// The nearest display colour for every pixel of an 800 x 600 photo-like picture, against the
// search through all 256 palette colours, with and without dithering.

#include "cli/cli_host.h"
#include "images/nearest_code.h"
#include "photo_bitmap.h"
#include "ratio_report.h"
#include "reference/nearest_code_reference.h"

#include <iostream>

namespace {

struct Pixels {
    std::vector<std::vector<std::uint32_t>> rows = pw::bench::PhotoRows();
    pw::CliHost host{std::cerr};
    pw::Observers observers;
    pw::ImageBank images{host, observers};
};

Pixels& Photo() {
    static Pixels pixels;
    return pixels;
}

// Every pixel through match, the dither error cleared at each row as the reader does.
template <class Match> void MatchAll(benchmark::State& state, bool dither, Match match) {
    Pixels& p = Photo();
    p.images.Dither = dither;
    for (auto _ : state) {
        int sum = 0;
        for (const auto& row : p.rows) {
            p.images.DitherError = {0, 0, 0};
            for (const std::uint32_t rgb : row)
                sum += match(p.images, static_cast<int>(rgb >> 16),
                             static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * pw::bench::kPhotoWidth * pw::bench::kPhotoHeight);
}

void BM_NearestCode(benchmark::State& state) {
    MatchAll(state, false, pw::NearestCode);
}
void BM_NearestCodeDithered(benchmark::State& state) {
    MatchAll(state, true, pw::NearestCode);
}
void BM_ReferenceNearestCode(benchmark::State& state) {
    MatchAll(state, false, pw::reference::NearestCode);
}
void BM_ReferenceNearestCodeDithered(benchmark::State& state) {
    MatchAll(state, true, pw::reference::NearestCode);
}
BENCHMARK(BM_NearestCode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearestCodeDithered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceNearestCode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceNearestCodeDithered)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(argc, argv,
                                    {{"BM_NearestCode", "BM_ReferenceNearestCode",
                                      "NearestCode: times faster than the full search"},
                                     {"BM_NearestCodeDithered", "BM_ReferenceNearestCodeDithered",
                                      "NearestCode dithered: times faster than the full search"}});
}
