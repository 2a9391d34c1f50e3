#pragma once
// Windows bitmaps (.bmp) converted into images of display colour codes.

#include "images/image.h"
#include "images/image_bank.h"

#include <cstdint>
#include <string_view>

namespace pw {

// Converts the bytes of a bitmap file into the image's run data: uncompressed 1-bit files
// into two-colour images, 24-bit files into colour codes, dithered when the bank's Dither is set.
// Returns the size the image's .bm file will have (20 + DataLength), or 0 when the file is
// refused; the user is told why in a "FILE TYPE ERROR" message box and the image is left
// without data. Every size in the headers is checked before any pixel is read.
std::uint32_t ReadBitmap(ImageBank& images, cImage& image, std::string_view file);

} // namespace pw
