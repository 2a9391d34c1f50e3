#pragma once
// Picture files of the kinds other programs save, put together for tests: bitmaps of 8 and
// 32 bits a pixel byte by byte from the documented layout, PNG through Qt's own writer.

#include "support/bmp_bytes.h"

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace pw::test {

// An 8-bit bitmap of palette indexes, rows given top first.
inline std::string Bitmap8(const std::vector<std::uint32_t>& palette,
                           const std::vector<std::vector<std::uint8_t>>& rows) {
    const std::size_t width = rows[0].size(), stride = (width + 3) / 4 * 4;
    std::string pixels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::string line(row->begin(), row->end());
        line.resize(stride, '\0');
        pixels += line;
    }
    return Headers(static_cast<int>(width), static_cast<int>(rows.size()), 8, palette,
                   pixels.size()) +
           pixels;
}

// A 32-bit bitmap without bit fields, rows of 0xAARRGGBB given top first: each pixel blue,
// green, red and the fourth byte, which this kind of file leaves unused.
inline std::string Bitmap32(const std::vector<std::vector<std::uint32_t>>& rows) {
    std::string pixels;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        for (const std::uint32_t argb : *row) Put32(pixels, argb);
    return Headers(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 32, {},
                   pixels.size()) +
           pixels;
}

// The picture as a PNG file.
inline std::string Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// A picture of one row, 0xAARRGGBB (alpha kept), as a PNG file.
inline std::string PngRow(const std::vector<std::uint32_t>& argb) {
    QImage image(static_cast<int>(argb.size()), 1, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, 0, argb[static_cast<std::size_t>(x)]);
    return Png(image);
}

// A PNG whose header claims width x height: a 1 x 1 file with its IHDR chunk rewritten and its
// checksum (CRC-32 over the chunk's type and data) worked out again; the pixel data stays that
// of one pixel.
inline std::string PngClaiming(std::uint32_t width, std::uint32_t height) {
    std::string png = PngRow({0xFF000000});
    auto bigEndian = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) png[at + i] = static_cast<char>(v >> (24 - 8 * i));
    };
    // Signature (8), then the IHDR chunk: length (4), "IHDR", width, height, 5 more bytes, CRC.
    bigEndian(16, width);
    bigEndian(20, height);
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 12; i < 12 + 17; ++i) {
        crc ^= static_cast<std::uint8_t>(png[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    bigEndian(29, ~crc);
    return png;
}

} // namespace pw::test
