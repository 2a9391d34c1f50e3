#pragma once
// Pictures that are not bitmaps the reader converts (PNG, JPEG, GIF, 8-bit, 32-bit or
// compressed bitmaps), chosen in the Image dialog: with the user's leave, a 24-bit copy is
// made beside the picture and the window names that copy, so the layout, its file and the
// display files hold bitmaps as they always have.

#include "images/image_bank.h"

#include <optional>
#include <string>

namespace pw {

// The copy of a picture: "<base>.bmp" in the picture's folder. A picture that is itself a
// .bmp gets "<base>_24.bmp", so the copy never replaces the file it is made from.
std::string BitmapCopyPath(const std::string& picture);

// "logo.png is not a 24-bit bitmap. Make a 24-bit copy "logo.bmp" in C:\KVP\Work and use
// it ?", saying that the file there is replaced when there is one.
std::string BitmapCopyQuestion(const std::string& picture, const std::string& copy, bool replaces);

// The file the Image dialog loads for the one chosen: the chosen one itself when the reader
// converts it (or refuses it with its own reasons); for a decoded picture, its copy, written
// once the user agrees. None when the user does not, or the picture was refused for its size.
// Throws IoError when the chosen file cannot be read or the copy cannot be written.
std::optional<std::string> BitmapToLoad(ImageBank& images, const std::string& chosen);

} // namespace pw
