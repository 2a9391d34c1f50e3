#pragma once
// A bitmap converted to display colour codes, held as run-length rows.
//
// Row data, top row first. A run length is written as one byte 254 for each whole 254 it
// holds, then one byte with the remainder 0..253. The byte 255 ends a row: the current run
// fills the rest of it.
//  - Two-colour (Bits 1): lengths alternating set / clear pixels, starting with set.
//  - Colour codes (Bits 8): a code, then its run's length, then the next code, ...

#include <cstdint>
#include <string>
#include <vector>

namespace pw {

constexpr std::uint8_t kRowEnd = 255;
constexpr std::uint8_t kLengthContinues = 254;

class cImage {
public:
    std::uint32_t RefCount = 1;
    std::string FileName; // exactly as given to LoadImage; the store's key
    bool Dithered = false;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Bits = 0;        // 1 two-colour, 8 colour codes
    std::int32_t Transparent = 0; // code not painted, 256 for none
    std::int32_t Spare = 0;
    std::vector<std::uint8_t> Data;

    std::uint32_t DataLength() const { return static_cast<std::uint32_t>(Data.size()); }
};

} // namespace pw
