#pragma once
// Pictures of display files, saved as PNG.

#include "platform/raster_canvas.h"

#include <string>

namespace pw {

// Pictures are drawn in memory first; beyond this many pixels that is refused.
constexpr long long kMaxPicturePixels = 1LL << 26;

// Throws FormatError when a picture of width x height pixels is empty or too large to draw;
// what names the picture in the message.
void CheckPictureSize(long long width, long long height, const std::string& what);

// Saves the canvas as a PNG file at the drive path. Throws IoError when it cannot.
void SavePicture(const RasterCanvas& canvas, const std::string& path);

} // namespace pw
