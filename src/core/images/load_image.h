#pragma once
// Loading a bitmap into the image store: where windows and the Image dialog get their images.

#include "images/image.h"
#include "images/image_bank.h"

#include <cstddef>
#include <string>

namespace pw {

// Bitmap files larger than this are refused before they are read (a 16384 x 16384 24-bit
// picture takes about 805 MB).
constexpr std::size_t kMaxBitmapFileBytes = std::size_t{1} << 30;

// The stored image of that name with one more count, or, on first use, a new image read and
// converted from the file under the Dither switch. None for an empty name or a refused file
// (the user has been told why, and no image is left behind). A missing file is reported and
// gives an image without data, so that windows naming it still find an object.
// Throws IoError when the file exists but cannot be read; the store is then as it was.
cImage* LoadImage(ImageBank& images, const std::string& name);

} // namespace pw
