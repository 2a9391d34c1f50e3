#pragma once
// Decoded pictures written as the bitmaps the reader converts: uncompressed, 24 bits a pixel.

#include "platform/picture_decoder.h"

#include <string>

namespace pw {

// The bytes of a 24-bit bitmap file of the picture: the 14-byte file header, a 40-byte
// information header (72 dots an inch, no palette), then the rows bottom-up, each padded to
// four bytes.
std::string Bitmap24FileBytes(const DecodedPicture& picture);

} // namespace pw
