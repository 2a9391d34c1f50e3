#pragma once
// Display bitmap files (.bm): five little-endian 32-bit fields (width, height, bits,
// transparent code, spare 0), then the image's run data exactly as held in memory.

#include "images/image.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pw {

constexpr std::size_t kBmHeaderSize = 20;

// The bitmap's name without its folder ('\', ':' and '/' all separate folders), its
// extension replaced by ".bm" or ".bm" appended when it has none: "C:\Pics\logo.bmp" gives
// "logo.bm". It never names a folder, so the file stays where it is written.
std::string BitmapFileName(const std::string& path);

// The bytes of the image's .bm file.
std::string BitmapFileBytes(const cImage& image);

// The image a .bm file holds (FileName = name, RefCount 1). Throws FormatError naming the
// file when the header is cut short or its fields cannot be a display bitmap; the run data
// is taken as it stands (CheckRunData checks it).
cImage ParseBitmapFile(std::string_view bytes, const std::string& name);

// Throws FormatError naming the file unless every row of the run data ends with its row end
// and no byte is left over.
void CheckRunData(const cImage& image, const std::string& name);

} // namespace pw
