#include "images/bm_file.h"

#include "display/colour.h"
#include "images/bitmap_header.h"
#include "images/run_walk.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/little_endian.h"
#include "platform/page_backed.h"
#include "platform/paths.h"

namespace pw {

std::string BitmapFileName(const std::string& path) {
    return ChangeExtension(FileNamePart(path), ".bm");
}

std::string BitmapFileBytes(const cImage& image) {
    std::string out;
    ReserveInHugePages(out, kBmHeaderSize + image.Data.size()); // a photograph's are megabytes
    for (const std::int32_t field :
         {image.Width, image.Height, image.Bits, image.Transparent, image.Spare})
        AppendLE32(out, field);
    out.append(image.Data.begin(), image.Data.end());
    return out;
}

cImage ParseBitmapFile(std::string_view bytes, const std::string& name) {
    const auto bad = [&](const std::string& why) {
        return FormatError("The file " + name + " is not a display bitmap: " + why + ".");
    };
    if (bytes.size() < kBmHeaderSize)
        throw bad("it has " + std::to_string(bytes.size()) + " bytes, less than its " +
                  std::to_string(kBmHeaderSize) + "-byte header");
    cImage image;
    image.FileName = name;
    image.Width = LE32At(bytes, 0);
    image.Height = LE32At(bytes, 4);
    image.Bits = LE32At(bytes, 8);
    image.Transparent = LE32At(bytes, 12);
    image.Spare = LE32At(bytes, 16);
    ReserveInHugePages(image.Data, bytes.size() - kBmHeaderSize);
    image.Data.assign(bytes.begin() + kBmHeaderSize, bytes.end());
    // The image of a missing bitmap is a header of zeros and nothing else.
    const bool empty = image.Width == 0 && image.Height == 0 && image.Bits == 0 &&
                       image.Transparent == 0 && image.Data.empty();
    if (empty) return image;
    if (image.Width < 1 || image.Width > kMaxBitmapSide || image.Height < 1 ||
        image.Height > kMaxBitmapSide)
        throw bad("its size " + std::to_string(image.Width) + " x " + std::to_string(image.Height) +
                  " is not 1 to " + std::to_string(kMaxBitmapSide) + " pixels a side");
    if (image.Bits != 1 && image.Bits != 8)
        throw bad("its bits field is " + std::to_string(image.Bits) + ", not 1 or 8");
    if (image.Transparent < 0 || image.Transparent > kTransparent)
        throw bad("its transparent code " + std::to_string(image.Transparent) + " is not 0 to 256");
    return image;
}

void CheckRunData(const cImage& image, const std::string& name) {
    const RunWalkResult walk = WalkRuns(image, [](int, int, int, int) {});
    if (walk.rowsEnded != image.Height || walk.bytesUsed != image.Data.size())
        throw FormatError("The run data of \"" + name +
                          "\" is damaged: " + std::to_string(walk.rowsEnded) + " of its " +
                          std::to_string(image.Height) + " rows end properly, " +
                          std::to_string(walk.bytesUsed) + " of " +
                          std::to_string(image.Data.size()) + " bytes are read.");
}

} // namespace pw
