// A bitmap that converts has the size its header gives and, row by row, the pixels of the
// file: a two-colour image its set bits, an undithered colour image the nearest code of every
// pixel. Its run data never takes memory far beyond the file.

#include "harnesses.h"
#include "layout_reading.h"

#include "images/bitmap_header.h"
#include "images/bitmap_reader.h"
#include "images/nearest_code.h"
#include "images/run_walk.h"

#include <vector>

namespace pw::fuzz {

namespace {

// The value WalkRuns should give pixel x of the picture's row (top first).
int FilePixel(std::string_view file, const BitmapHeader& h, int row, int x, ImageBank& images) {
    const std::size_t at =
        h.PixelOffset + static_cast<std::size_t>(h.Height - 1 - row) * RowStride(h);
    const auto* p = reinterpret_cast<const std::uint8_t*>(file.data()) + at;
    if (h.BitCount == 1) return (p[x / 8] & (0x80 >> (x % 8))) != 0 ? 0 : 1;
    p += 3 * static_cast<std::size_t>(x);
    return NearestCode(images, p[2], p[1], p[0]);
}

void CheckPixels(const cImage& image, std::string_view file, const BitmapHeader& h, bool dithered,
                 ImageBank& images) {
    images.Dither = false;
    std::vector<int> nextX(static_cast<std::size_t>(image.Height), 0);
    bool inside = true, matches = true;
    const RunWalkResult walk = WalkRuns(image, [&](int row, int x1, int x2, int value) {
        int& next = nextX[static_cast<std::size_t>(row)];
        inside = inside && x1 == next && x2 < image.Width;
        next = x2 + 1;
        // A dithered pixel depends on the error its row has built up: only the runs are checked.
        if (dithered && image.Bits == 8) return;
        for (int x = x1; inside && matches && x <= x2; ++x)
            matches = FilePixel(file, h, row, x, images) == value;
    });
    Require(inside, "the runs of every row follow on from one another inside the picture");
    Require(matches, "every pixel has the value the file gives it");
    Require(walk.rowsEnded == image.Height && walk.bytesUsed == image.Data.size(),
            "every row ends with its row end and no byte is left over");
    for (const int x : nextX) Require(x == image.Width, "every row covers the picture's width");
}

void ReadAs(std::string_view file, bool dither) {
    QuietHost host;
    Observers observers;
    ImageBank images(host, observers);
    images.Dither = dither;
    cImage image;
    image.FileName = "fuzz.bmp";
    const std::uint32_t size = ReadBitmap(images, image, file);
    if (size == 0) {
        Require(image.Data.empty(), "a refused bitmap leaves no data");
        return;
    }
    Require(size == 20 + image.DataLength(), "the .bm size is the header and the data");
    Require(image.Data.capacity() <= 16 * file.size() + 4096,
            "the run data takes memory in step with the file");
    const BitmapHeader h = ParseBitmapHeader(file);
    Require(image.Width == h.Width && image.Height == h.Height, "the header's size is kept");
    Require(image.Bits == (h.BitCount == 1 ? 1 : 8) && (h.BitCount == 1 || h.BitCount == 24),
            "only two-colour and 24-bit files convert");
    Require(h.HeaderSize >= 40 && h.Planes == 1, "only the Windows header converts");
    CheckPixels(image, file, h, dither, images);
}

} // namespace

void FuzzBitmap(std::string_view bytes) {
    ReadAs(bytes, false);
    ReadAs(bytes, true);
}

} // namespace pw::fuzz
