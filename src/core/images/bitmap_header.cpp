#include "images/bitmap_header.h"

#include "images/picture_size.h"

namespace pw {

namespace {

std::uint32_t U32(std::string_view f, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(f[at])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(f[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(f[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(f[at + 3])) << 24;
}

std::uint16_t U16(std::string_view f, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(f[at]) |
                                      static_cast<std::uint8_t>(f[at + 1]) << 8);
}

std::int32_t I32(std::string_view f, std::size_t at) {
    return static_cast<std::int32_t>(U32(f, at));
}

// The bytes a row's pixels take, without the padding.
std::size_t RowBytes(const BitmapHeader& h) {
    const auto width = static_cast<std::size_t>(h.Width);
    return h.BitCount == 1 ? (width + 7) / 8 : 3 * width;
}

std::string Num(long long v) {
    return std::to_string(v);
}

} // namespace

BitmapHeader ParseBitmapHeader(std::string_view f) {
    BitmapHeader h;
    h.PixelOffset = U32(f, 10);
    h.HeaderSize = U32(f, 14);
    h.Width = I32(f, 18);
    h.Height = I32(f, 22);
    h.Planes = U16(f, 26);
    h.BitCount = U16(f, 28);
    h.Compression = U32(f, 30);
    h.ImageSize = U32(f, 34);
    h.XResolution = I32(f, 38);
    h.YResolution = I32(f, 42);
    h.ColoursUsed = U32(f, 46);
    h.ColoursImportant = U32(f, 50);
    return h;
}

std::size_t RowStride(const BitmapHeader& h) {
    const auto width = static_cast<std::size_t>(h.Width);
    return h.BitCount == 1 ? (width + 31) / 32 * 4 : (3 * width + 3) / 4 * 4;
}

std::string HeaderProblem(const BitmapHeader& h, const std::string& name) {
    if (h.HeaderSize < kBitmapHeadersSize - 14)
        return "The bitmap " + name + " has an information header of " + Num(h.HeaderSize) +
               " bytes (an old OS/2 bitmap, perhaps), where 40 are needed. Save it again with "
               "Paint.exe.";
    if (h.Planes != 1)
        return "The bitmap " + name + " is damaged: it declares " + Num(h.Planes) +
               " colour planes, where a bitmap has 1.";
    return {};
}

std::string SizeProblem(const BitmapHeader& h, const std::string& name) {
    if (h.Width <= 0 || h.Height == 0)
        return "The bitmap " + name + " has no pixels to convert (width " + Num(h.Width) +
               ", height " + Num(h.Height) + ").";
    if (h.Height < 0)
        return "The bitmap " + name + " stores its rows from the top down (height " +
               Num(h.Height) + "), which cannot be converted. Save it again with Paint.exe.";
    if (!FitsConversion(h.Width, h.Height)) return PictureTooLarge(name, h.Width, h.Height);
    return {};
}

std::string LayoutProblem(const BitmapHeader& h, std::size_t fileSize, const std::string& name) {
    const std::uint64_t offset = h.PixelOffset;
    if (offset < kBitmapHeadersSize)
        return "The bitmap " + name + " is damaged: its pixels would start at byte " +
               Num(h.PixelOffset) + ", inside its headers.";
    if (offset >= fileSize)
        return "The bitmap " + name + " is damaged: its pixels would start at byte " +
               Num(h.PixelOffset) + ", past the end of the file (" + Num(fileSize) + " bytes).";
    if (h.BitCount == 1) {
        // The palette is not used, but one that cannot be what it claims means the file
        // is not what it claims either.
        if (h.ColoursUsed > 2)
            return "The black and white bitmap " + name + " is damaged: it declares " +
                   Num(h.ColoursUsed) + " palette colours where there can be at most 2.";
        const std::uint64_t entries = h.ColoursUsed == 0 ? 2 : h.ColoursUsed;
        const std::uint64_t headerSize = h.HeaderSize < 40 ? 40 : h.HeaderSize;
        if (14 + headerSize + 4 * entries > offset)
            return "The black and white bitmap " + name +
                   " is damaged: its palette runs into its pixels.";
    }
    // The last row needs its pixels, not its padding.
    const std::uint64_t needed =
        offset + static_cast<std::uint64_t>(h.Height - 1) * RowStride(h) + RowBytes(h);
    if (needed > fileSize)
        return "The bitmap " + name + " is cut short: its " + Num(h.Height) + " rows need " +
               Num(static_cast<long long>(needed)) + " bytes, the file has " +
               Num(static_cast<long long>(fileSize)) + ".";
    return {};
}

} // namespace pw
