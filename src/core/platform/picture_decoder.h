#pragma once
// Pictures in the formats other programs save (PNG, JPEG, GIF, every kind of BMP), decoded by
// whatever the running system offers. The core converts only the decoded pixels, so it needs
// no image library of its own.

#include <cstdint>
#include <string_view>
#include <vector>

namespace pw {

// 24 bits a pixel, rows top first without padding, each pixel blue, green, red as a
// bitmap file stores them.
struct DecodedPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels;
};

struct PictureDecoding {
    enum class Result {
        Decoded,
        Unknown,  // no decoder reads these bytes
        TooLarge, // the header claims a side beyond the limit; nothing was decoded
    };
    Result result = Result::Unknown;
    // The size the header claims, for Decoded and TooLarge.
    std::int64_t width = 0;
    std::int64_t height = 0;
    DecodedPicture picture; // Decoded only
};

class PictureDecoder {
public:
    virtual ~PictureDecoder() = default;
    // Decodes the bytes of a picture file. A picture whose header claims a side above maxSide
    // is TooLarge before any memory is taken for its pixels. Pixels with alpha are laid on
    // black: each component becomes component * alpha / 255, rounded to the nearest.
    virtual PictureDecoding Decode(std::string_view bytes, int maxSide) = 0;
};

// A decoder that knows no format: every file is left to the bitmap reader.
inline PictureDecoder& NoPictureDecoder() {
    class None : public PictureDecoder {
        PictureDecoding Decode(std::string_view, int) override { return {}; }
    };
    static None none;
    return none;
}

} // namespace pw
