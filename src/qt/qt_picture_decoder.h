#pragma once
// Pictures decoded by Qt's image readers: PNG, JPEG, GIF, every kind of BMP, and whatever
// other format the installed image plugins read.

#include "platform/picture_decoder.h"

namespace pw {

class QtPictureDecoder : public PictureDecoder {
public:
    // The size is taken from the header (QImageReader::size) and judged before the pixels are
    // read. A format whose header does not tell its size is read within Qt's allocation limit
    // and judged afterwards. Photographs are turned as their orientation tag says; of an
    // animation, the first frame is taken.
    PictureDecoding Decode(std::string_view bytes, int maxSide) override;
};

} // namespace pw
