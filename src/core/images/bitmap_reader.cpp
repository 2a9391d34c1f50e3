#include "images/bitmap_reader.h"

#include "images/bitmap_header.h"
#include "images/image_info.h"
#include "images/palette_match.h"
#include "images/run_writer.h"

#include <algorithm>
#include <array>
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

// Appends one row of colour codes as runs: each code, then its run's length, the last run
// ending the row. Neighbouring pixels of a photograph change code too irregularly for a
// branch to be predicted, so every pixel writes its would-be length and code and the output
// only moves on where the code changed.
void AppendCodeRuns(std::vector<std::uint8_t>& data, const std::vector<std::uint8_t>& codes) {
    const std::size_t start = data.size();
    // Each run but the last takes at most two bytes a pixel, the first code and the row end
    // one each: the row never needs more than this, the speculative writes included.
    data.resize(start + 2 * codes.size() + 2);
    std::uint8_t* out = data.data() + start;
    std::uint8_t current = codes[0];
    *out++ = current;
    std::uint32_t run = 1;
    for (std::size_t x = 1; x < codes.size(); ++x) {
        const std::uint8_t code = codes[x];
        // Arithmetic rather than conditions, which the compiler would turn back into jumps.
        const std::uint32_t changed = code != current;
        if ((changed & (run >= kLengthContinues)) != 0) [[unlikely]]
            for (; run >= kLengthContinues; run -= kLengthContinues) *out++ = kLengthContinues;
        out[0] = static_cast<std::uint8_t>(run);
        out[1] = code;
        out += changed << 1;
        run = (run & (changed - 1)) + 1; // 1 after a change, else one more
        current = code;
    }
    *out++ = kRowEnd;
    data.resize(static_cast<std::size_t>(out - data.data()));
}

// Rows converted side by side. The dither error starts afresh at every row, so the rows of a
// group never wait for one another: the processor overlaps their chains of dependent steps,
// where one row alone would leave it waiting on each pixel's error.
constexpr int kRowGroup = 4;
using RowCodes = std::array<std::vector<std::uint8_t>, kRowGroup>;

// The codes of count rows from first, each dithered from no error. Returns the error the last
// of them left.
std::array<std::int32_t, 3> DitherRows(std::string_view file, const BitmapHeader& h, int first,
                                       int count, RowCodes& codes) {
    std::array<const std::uint8_t*, kRowGroup> rows{};
    for (int k = 0; k < count; ++k) rows[k] = FileRow(file, h, first + k);
    std::array<std::array<std::int32_t, 3>, kRowGroup> error{};
    for (std::size_t x = 0; x < codes[0].size(); ++x) {
        for (int k = 0; k < count; ++k) {
            const std::uint8_t* p = rows[k] + 3 * x; // blue, green, red
            codes[k][x] =
                static_cast<std::uint8_t>(DitheredPaletteCode(error[k], p[2], p[1], p[0]));
        }
    }
    return error[count - 1];
}

void MatchRow(const std::uint8_t* p, std::vector<std::uint8_t>& codes) {
    for (std::uint8_t& code : codes) {
        code = static_cast<std::uint8_t>(NearestPaletteCode(p[2], p[1], p[0]));
        p += 3;
    }
}

void EncodeColourCodes(ImageBank& images, cImage& image, std::string_view file,
                       const BitmapHeader& h) {
    RowCodes codes;
    for (auto& row : codes) row.resize(static_cast<std::size_t>(h.Width));
    // Nothing can change the switch while a picture is read, so it is looked at once.
    const bool dither = images.Dither;
    for (int r = 0; r < h.Height; r += kRowGroup) {
        const int count = std::min(kRowGroup, h.Height - r);
        if (dither)
            images.DitherError = DitherRows(file, h, r, count, codes);
        else
            for (int k = 0; k < count; ++k) MatchRow(FileRow(file, h, r + k), codes[k]);
        for (int k = 0; k < count; ++k) {
            AppendCodeRuns(image.Data, codes[k]);
            if (const int done = r + k + 1; done % 10 == 0)
                images.progress->Step(done, h.Height,
                                      "Row " + std::to_string(done) + " of " +
                                          std::to_string(h.Height));
        }
    }
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
        EncodeColourCodes(images, image, file, h);
    return 20 + image.DataLength();
}

} // namespace pw
