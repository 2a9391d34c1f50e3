#pragma once
// The image a window's entry names, read into the store.

#include "images/image_bank.h"
#include "windows/window.h"

namespace pw {

// Reads the image w.BMP[index] names into the store, with or without dithering, showing the
// reader's progress; the entry holds a count on it and the image takes the transparent code.
// A refused file leaves the entry holding nothing. Throws IoError as LoadImage does.
void LoadWindowImage(ImageBank& images, cWindow& w, int index, bool dither, int transparent);

} // namespace pw
