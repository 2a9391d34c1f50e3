#pragma once
// The headers of a Windows bitmap file, and the checks its sizes must pass before a single
// pixel is read or any memory is taken for the picture.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// The file header (14 bytes) and the 40-byte information header after it.
constexpr std::size_t kBitmapHeadersSize = 54;
// Display bitmap files larger than this a side are refused: no display comes near it, and the
// bound keeps every size computed from a header far from overflowing.
constexpr std::int32_t kMaxBitmapSide = 16384;

struct BitmapHeader {
    std::uint32_t PixelOffset = 0;
    std::uint32_t HeaderSize = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint16_t Planes = 0;
    std::uint16_t BitCount = 0;
    std::uint32_t Compression = 0;
    std::uint32_t ImageSize = 0;
    std::int32_t XResolution = 0;
    std::int32_t YResolution = 0;
    std::uint32_t ColoursUsed = 0;
    std::uint32_t ColoursImportant = 0;
};

// The fields at their fixed places, whatever the header size field says; the file holds at
// least kBitmapHeadersSize bytes.
BitmapHeader ParseBitmapHeader(std::string_view file);

// Bytes from one row of the file to the next: rows are padded to four bytes. For bit counts
// 1 and 24, and a width checked by SizeProblem.
std::size_t RowStride(const BitmapHeader& h);

// Why the information header is not the Windows one whose fields are read (a 12-byte OS/2
// header, say, or a plane count other than 1), or empty when it is.
std::string HeaderProblem(const BitmapHeader& h, const std::string& name);

// Why a picture of the header's width and height cannot be converted (zero, negative or
// beyond kMaxConvertedSide), or empty when it can.
std::string SizeProblem(const BitmapHeader& h, const std::string& name);

// Why the pixel array (and the palette of a two-colour file) does not fit in a file of
// fileSize bytes, or empty when every row can be read. For bit counts 1 and 24 and sizes
// that passed SizeProblem.
std::string LayoutProblem(const BitmapHeader& h, std::size_t fileSize, const std::string& name);

} // namespace pw
