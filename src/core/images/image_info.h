#pragma once
// The facts of an image as the Image dialog's information line shows them.

#include "images/image.h"
#include "images/image_bank.h"

#include <string>

namespace pw {

// "    Bytes = 22    Width = 2    Height = 1    Colours = 256    Transparent = 256": the size
// of the image's .bm file, its size in pixels, 256 colours for colour codes (else 2) and the
// transparent code.
std::string ImageInfoLine(const cImage& image);

// Writes the information line on the Image dialog, captioned with the image's file name, and
// sets the Dither box to the way the image was read (which does not read it again). Nothing
// for none.
void ShowImageInfo(ImageBank& images, const cImage* image);

} // namespace pw
