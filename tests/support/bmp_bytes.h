#pragma once
// Windows bitmap files put together byte by byte from the documented layout: a 14-byte file
// header ("BM", file size, two reserved words, pixel offset), the 40-byte information header
// (size 40, width, height, planes 1, bit count, compression, image size, two resolutions,
// colours used, colours important), the palette, then the rows bottom-up, each padded to
// four bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace pw::test {

// Byte offsets of header fields that tests change.
constexpr std::size_t kAtPixelOffset = 10, kAtWidth = 18, kAtHeight = 22, kAtBitCount = 28,
                      kAtCompression = 30, kAtColoursUsed = 46;

inline void Put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}
inline void Set32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void Set16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

// Headers and palette for a picture; rowBytes is the padded pixel data that follows.
inline std::string Headers(int width, int height, int bitCount,
                           const std::vector<std::uint32_t>& palette, std::size_t pixelBytes) {
    const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(palette.size());
    std::string s = "BM";
    Put32(s, offset + static_cast<std::uint32_t>(pixelBytes));
    Put32(s, 0);
    Put32(s, offset);
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(width));
    Put32(s, static_cast<std::uint32_t>(height));
    Put16(s, 1);
    Put16(s, static_cast<std::uint32_t>(bitCount));
    Put32(s, 0); // compression
    Put32(s, static_cast<std::uint32_t>(pixelBytes));
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, static_cast<std::uint32_t>(palette.size()));
    Put32(s, 0);
    for (const std::uint32_t rgb : palette) Put32(s, rgb); // stored as B, G, R, 0
    return s;
}

// A 24-bit bitmap of the rows, given top row first as 0xRRGGBB colours.
inline std::string Bitmap24(const std::vector<std::vector<std::uint32_t>>& rows) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    const std::size_t stride = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;
    std::string pixels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::string line;
        for (const std::uint32_t rgb : *row) {
            line += static_cast<char>(rgb & 0xFF);
            line += static_cast<char>((rgb >> 8) & 0xFF);
            line += static_cast<char>((rgb >> 16) & 0xFF);
        }
        line.resize(stride, '\0');
        pixels += line;
    }
    return Headers(width, static_cast<int>(rows.size()), 24, {}, pixels.size()) + pixels;
}

// A 1-bit bitmap of the rows, given top row first as strings of '1' and '0' (bit values).
// The palette is black then white, or white then black when inverted.
inline std::string Bitmap1(const std::vector<std::string>& rows, bool inverted = false) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    const std::size_t stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    std::string pixels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::string line(stride, '\0');
        for (std::size_t x = 0; x < row->size(); ++x)
            if ((*row)[x] == '1') line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
        pixels += line;
    }
    const std::vector<std::uint32_t> palette = inverted
                                                   ? std::vector<std::uint32_t>{0xFFFFFF, 0x000000}
                                                   : std::vector<std::uint32_t>{0x000000, 0xFFFFFF};
    return Headers(width, static_cast<int>(rows.size()), 1, palette, pixels.size()) + pixels;
}

// A row of the same colour, or of the same bit.
inline std::vector<std::uint32_t> Row(int width, std::uint32_t rgb) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(width), rgb);
}
inline std::string Bits(int count, char bit) {
    return std::string(static_cast<std::size_t>(count), bit);
}

} // namespace pw::test
