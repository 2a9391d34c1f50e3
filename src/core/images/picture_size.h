#pragma once
// How large a picture may be to be converted at all.

#include <cstdint>
#include <string>

namespace pw {

// The editor accepts no display with a longer side, so no picture beyond it is converted. It
// is checked before any memory is taken for the pixels, and keeps every size computed from a
// header far from overflowing.
constexpr std::int32_t kMaxConvertedSide = 4096;

// Whether a picture of that size can be converted, as far as its size goes.
constexpr bool FitsConversion(std::int64_t width, std::int64_t height) {
    return width <= kMaxConvertedSide && height <= kMaxConvertedSide;
}

// "The picture C:\KVP\Work\big.png is 60000 x 60000 pixels; at most 4096 pixels a side can
// be converted."
std::string PictureTooLarge(const std::string& name, std::int64_t width, std::int64_t height);

} // namespace pw
