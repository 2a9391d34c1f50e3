#pragma once
// A photo-like 24-bit picture for the benchmarks: broad colour gradients with fine noise on
// every pixel, so that neighbouring pixels almost never share a colour exactly, as in a
// scanned or photographed picture.

#include "support/bmp_bytes.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace pw::bench {

constexpr int kPhotoWidth = 800, kPhotoHeight = 600;

inline std::vector<std::vector<std::uint32_t>> PhotoRows(int width = kPhotoWidth,
                                                         int height = kPhotoHeight) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> noise(-10, 10);
    const auto channel = [&](double v) {
        const int c = static_cast<int>(v) + noise(random);
        return static_cast<std::uint32_t>(c < 0 ? 0 : c > 255 ? 255 : c);
    };
    std::vector<std::vector<std::uint32_t>> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double r = 128 + 120 * std::sin(x / 97.0 + y / 211.0);
            const double g = 128 + 120 * std::cos(x / 153.0 - y / 71.0);
            const double b = 128 + 120 * std::sin((x + y) / 131.0 + 1.0);
            rows[y].push_back(channel(r) << 16 | channel(g) << 8 | channel(b));
        }
    }
    return rows;
}

// The picture as a bitmap file's bytes.
inline std::string PhotoBitmap(int width = kPhotoWidth, int height = kPhotoHeight) {
    return test::Bitmap24(PhotoRows(width, height));
}

} // namespace pw::bench
