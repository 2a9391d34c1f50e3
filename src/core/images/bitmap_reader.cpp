#include "images/bitmap_reader.h"

#include "display/colour.h"
#include "images/bitmap_header.h"
#include "images/colour_code_rows.h"
#include "images/image_info.h"
#include "images/run_writer.h"

#include <string>

namespace pw {

namespace {

constexpr char kFileTypeError[] = "FILE TYPE ERROR";

std::uint32_t Refuse(ImageBank& images, cImage& image, const std::string& text) {
    image.Data.clear();
    images.host.ShowMessage(text, kFileTypeError);
    return 0;
}

// The rows of the file come bottom-up; the image's rows go top first.
const std::uint8_t* FileRow(std::string_view file, const BitmapHeader& h, int r) {
    const std::size_t at =
        h.PixelOffset + static_cast<std::size_t>(h.Height - 1 - r) * RowStride(h);
    return reinterpret_cast<const std::uint8_t*>(file.data()) + at;
}

// Runs alternate between set pixels (bit value 1) and clear ones, starting with set; the
// palette plays no part, so an inverted palette still has its 1 bits set.
void EncodeTwoColour(cImage& image, std::string_view file, const BitmapHeader& h) {
    RunWriter out(image.Data);
    for (int r = 0; r < h.Height; ++r) {
        const std::uint8_t* row = FileRow(file, h, r);
        bool set = true;
        std::uint32_t run = 0;
        for (int x = 0; x < h.Width; ++x, ++run) {
            const bool pixel = (row[x >> 3] & (0x80 >> (x & 7))) != 0;
            if (pixel != set) {
                set = pixel;
                out.Length(run);
                run = 0;
            }
        }
        out.RowEnd();
    }
}

// The 24-bit rows of the file, which come bottom-up.
PixelRows ColourRows(std::string_view file, const BitmapHeader& h) {
    const auto stride = static_cast<std::ptrdiff_t>(RowStride(h));
    return {FileRow(file, h, 0), -stride, h.Width, h.Height};
}

} // namespace

std::uint32_t ReadBitmap(ImageBank& images, cImage& image, std::string_view file) {
    const std::string& name = image.FileName;
    image.Data.clear();
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M')
        return Refuse(images, image, "The specified file was NOT a bit map.");
    if (file.size() < kBitmapHeadersSize)
        return Refuse(images, image,
                      "The bitmap " + name + " is cut short: it ends inside its headers (" +
                          std::to_string(file.size()) + " of " +
                          std::to_string(kBitmapHeadersSize) + " bytes).");
    const BitmapHeader h = ParseBitmapHeader(file);
    // A shorter header has other fields where these are read, the compression among them.
    if (const std::string problem = HeaderProblem(h, name); !problem.empty())
        return Refuse(images, image, problem);
    if (h.Compression != 0)
        return Refuse(images, image, "Only uncompressed images supported, sorry.");
    if (const std::string problem = SizeProblem(h, name); !problem.empty())
        return Refuse(images, image, problem);

    image.Width = h.Width;
    image.Height = h.Height;
    image.Bits = h.BitCount == 24 ? 8 : h.BitCount;
    image.Transparent = kTransparent;
    image.Dithered = images.Dither;
    // Shown before the bit count is judged, so a refused 256-colour file still shows its
    // size and colours.
    ShowImageInfo(images, &image);

    if (h.BitCount != 1 && h.BitCount != 24)
        return Refuse(images, image,
                      "Please convert this image to a black and white or 24 bit colour image "
                      "with Paint.exe.");
    if (const std::string problem = LayoutProblem(h, file.size(), name); !problem.empty())
        return Refuse(images, image, problem);

    // Two bytes a row at the least; the rest grows as it comes.
    image.Data.reserve(2 * static_cast<std::size_t>(h.Height));
    if (h.BitCount == 1)
        EncodeTwoColour(image, file, h);
    else
        EncodeColourCodes(images, image, ColourRows(file, h));
    return 20 + image.DataLength();
}

} // namespace pw
