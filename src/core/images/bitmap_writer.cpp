#include "images/bitmap_writer.h"

#include "images/bitmap_header.h"
#include "platform/little_endian.h"

namespace pw {

namespace {

constexpr std::int32_t kDotsPerMetre = 2835; // 72 an inch

} // namespace

std::string Bitmap24FileBytes(const DecodedPicture& picture) {
    const auto width = static_cast<std::size_t>(picture.Width);
    const auto height = static_cast<std::size_t>(picture.Height);
    const std::size_t rowBytes = 3 * width;
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    const std::size_t pixelBytes = stride * height;
    std::string out = "BM";
    out.reserve(kBitmapHeadersSize + pixelBytes);
    AppendLE32(out, static_cast<std::int32_t>(kBitmapHeadersSize + pixelBytes));
    AppendLE32(out, 0); // two reserved words
    AppendLE32(out, static_cast<std::int32_t>(kBitmapHeadersSize));
    AppendLE32(out, 40);
    AppendLE32(out, picture.Width);
    AppendLE32(out, picture.Height); // positive: bottom-up
    AppendLE16(out, 1);              // planes
    AppendLE16(out, 24);
    AppendLE32(out, 0); // uncompressed
    AppendLE32(out, static_cast<std::int32_t>(pixelBytes));
    AppendLE32(out, kDotsPerMetre);
    AppendLE32(out, kDotsPerMetre);
    AppendLE32(out, 0); // colours used
    AppendLE32(out, 0); // colours important
    const std::string padding(stride - rowBytes, '\0');
    for (std::size_t r = height; r-- > 0;) {
        const auto* row = reinterpret_cast<const char*>(picture.Pixels.data()) + r * rowBytes;
        out.append(row, rowBytes);
        out += padding;
    }
    return out;
}

} // namespace pw
