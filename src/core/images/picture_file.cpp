#include "images/picture_file.h"

#include "images/bitmap_header.h"
#include "images/load_image.h"
#include "images/picture_size.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace pw {

bool ReadsAsBitmap(std::string_view bytes) {
    if (bytes.size() < kBitmapHeadersSize || bytes.substr(0, 2) != "BM") return false;
    const BitmapHeader h = ParseBitmapHeader(bytes);
    // A header shorter than 40 bytes (OS/2's) has its fields elsewhere: Qt reads it right.
    return h.HeaderSize >= 40 && h.Compression == 0 && (h.BitCount == 1 || h.BitCount == 24) &&
           h.Height > 0;
}

PictureFile ReadPictureFile(ImageBank& images, const std::string& name) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(name, kMaxBitmapFileBytes);
    } catch (const FormatError&) {
        return {}; // too large a file: the reader says so as it always has
    }
    if (ReadsAsBitmap(bytes)) return {};
    PictureDecoding decoded = images.decoder->Decode(bytes, kMaxConvertedSide);
    switch (decoded.result) {
    case PictureDecoding::Result::Decoded:
        return {PictureFile::Kind::Decoded, std::move(decoded.picture)};
    case PictureDecoding::Result::TooLarge:
        images.host.ShowMessage(PictureTooLarge(name, decoded.width, decoded.height),
                                "FILE TYPE ERROR");
        return {PictureFile::Kind::Refused, {}};
    case PictureDecoding::Result::Unknown: break;
    }
    return {};
}

} // namespace pw
