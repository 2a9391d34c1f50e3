#pragma once
// A decoded picture converted into an image of display colour codes.

#include "images/image.h"
#include "images/image_bank.h"
#include "platform/picture_decoder.h"

#include <cstdint>

namespace pw {

// Converts the pixels into the image's run data as a 24-bit bitmap of the same pixels is
// converted (dithered when the bank's Dither is set), after showing the image's facts on the
// Image dialog. Returns the size the image's .bm file will have (20 + DataLength).
// Throws FormatError when the picture is empty, larger than kMaxConvertedSide a side or its
// pixels do not fill its size; the image is then left without data.
std::uint32_t ConvertPicture(ImageBank& images, cImage& image, const DecodedPicture& picture);

} // namespace pw
