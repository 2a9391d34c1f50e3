#pragma once
// Rows of 24-bit pixels converted into the runs of a colour-code image. A bitmap file's rows
// and a decoded picture's go through the same conversion, so the same pixels give the same
// image, byte for byte, whatever file they came from.

#include "images/image.h"
#include "images/image_bank.h"

#include <cstddef>
#include <cstdint>

namespace pw {

// Pixels of three bytes each, blue, green, red.
struct PixelRows {
    const std::uint8_t* top; // the top row's first pixel
    std::ptrdiff_t step;     // from a row to the one below: negative for bottom-up rows
    std::int32_t width = 0;  // at least 1
    std::int32_t height = 0; // at least 1

    const std::uint8_t* Row(std::int32_t r) const { return top + r * step; }
};

// Appends the rows to the image's data as colour codes, dithered when the bank's Dither is
// set: the error starts afresh at every row, and what the last row left is kept in
// DitherError. Every tenth row is shown as "Row 10 of 480" on the bank's progress.
void EncodeColourCodes(ImageBank& images, cImage& image, const PixelRows& rows);

} // namespace pw
