#pragma once
// How a picture file reaches conversion: the bitmaps the reader has always converted go to it
// as they are; every other file is decoded first, if any decoder knows its format.

#include "images/image_bank.h"
#include "platform/picture_decoder.h"

#include <string>
#include <string_view>

namespace pw {

// Whether the bitmap reader converts the file's bytes itself: "BM" with complete headers of
// the Windows kind, uncompressed, 1 or 24 bits a pixel, rows stored bottom-up.
bool ReadsAsBitmap(std::string_view bytes);

struct PictureFile {
    enum class Kind {
        // For LoadImage: a bitmap the reader converts, or a file no decoder reads either,
        // which the reader refuses with its own reasons.
        Bitmap,
        Decoded,
        // Larger than kMaxConvertedSide a side; the user has been told, nothing was decoded.
        Refused,
    };
    Kind kind = Kind::Bitmap;
    DecodedPicture picture; // Decoded only
};

// Reads the file and decodes it unless the reader converts it itself. Throws IoError when the
// file cannot be read.
PictureFile ReadPictureFile(ImageBank& images, const std::string& name);

} // namespace pw
