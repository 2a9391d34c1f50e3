#pragma once
// Bitmap conversion done the plain way: seek to each row of the file, read it one byte at a
// time and search the whole palette for every pixel. It states what the converter must
// produce and is what the converter is timed against. It trusts its input: only for
// bitmaps that the benchmarks and tests make themselves.

#include "images/image.h"
#include "nearest_code_reference.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

namespace pw::reference {

class RunBytes {
public:
    void Byte(int b) { data.push_back(static_cast<std::uint8_t>(b)); }
    void Length(int run) {
        for (; run >= 254; run -= 254) Byte(254);
        Byte(run);
    }
    std::vector<std::uint8_t> data;
};

// The run data of a 1-bit or 24-bit uncompressed bitmap, or nothing for any other kind.
inline std::optional<std::vector<std::uint8_t>> ConvertBitmap(ImageBank& images, std::istream& in) {
    const auto byte = [&] { return in.get(); };
    const auto u16 = [&] { return byte() | byte() << 8; };
    const auto u32 = [&] { return static_cast<std::uint32_t>(u16() | u16() << 16); };
    in.seekg(0);
    if (byte() != 'B' || byte() != 'M') return std::nullopt;
    in.seekg(10);
    const std::uint32_t offset = u32();
    u32(); // header size
    const int width = static_cast<int>(u32());
    const int height = static_cast<int>(u32());
    u16(); // planes
    const int bitCount = u16();
    if (u32() != 0) return std::nullopt; // compressed
    RunBytes out;
    if (bitCount == 1) {
        const int stride = (width + 31) / 32 * 4;
        for (int r = 0; r < height; ++r) {
            in.seekg(offset + static_cast<std::uint32_t>(height - 1 - r) * stride);
            bool set = true;
            int run = 0;
            for (int x = 0; x < width;) {
                const int b = byte();
                for (int mask = 128; mask > 0 && x < width; mask >>= 1, ++x, ++run) {
                    const bool pixel = (b & mask) != 0;
                    if (pixel != set) {
                        set = pixel;
                        out.Length(run);
                        run = 0;
                    }
                }
            }
            out.Byte(kRowEnd);
        }
        return out.data;
    }
    if (bitCount != 24) return std::nullopt;
    const int stride = (3 * width + 3) / 4 * 4;
    for (int r = 0; r < height; ++r) {
        in.seekg(offset + static_cast<std::uint32_t>(height - 1 - r) * stride);
        if (images.Dither) images.DitherError = {0, 0, 0};
        int run = 0, current = -1;
        for (int x = 0; x < width; ++x, ++run) {
            const int blue = byte(), green = byte(), red = byte();
            const int code = NearestCode(images, red, green, blue);
            if (code != current) {
                if (current >= 0) out.Length(run);
                run = 0;
                out.Byte(code);
                current = code;
            }
        }
        out.Byte(kRowEnd);
    }
    return out.data;
}

} // namespace pw::reference
