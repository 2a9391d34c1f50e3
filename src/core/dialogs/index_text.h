#pragma once
// An index typed by the user: a window holds its texts and bitmaps at indexes 0 to 99.

#include <cstdint>
#include <string>

namespace pw {

// The text as an index. A text that is no whole number throws ConversionError ("'text' is not
// a valid integer value"); a number outside 0..99 throws Error, so that no index a window
// cannot hold is ever taken.
std::int32_t IndexFromText(const std::string& text);

} // namespace pw
