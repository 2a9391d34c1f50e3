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

// Reads the file of the stored image of that name again, under the Dither switch, into a new
// image that takes the stored one's place in the store and its count, so that every holder
// holds the new one. When the file is missing or refused the user is told why and the store
// keeps the image it had. Returns the image now stored under the name, none when there is none.
// Throws IoError when the file exists but cannot be read; the store is then as it was.
cImage* ReloadImage(ImageBank& images, const std::string& name);

} // namespace pw
