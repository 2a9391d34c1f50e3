#pragma once
// Whole numbers typed by the user.

#include <cstdint>
#include <string>

namespace pw {

// The text as a signed 32-bit number: optional leading blanks, an optional sign, then only
// decimal digits. Anything else, or a value out of range, throws ConversionError
// ("'text' is not a valid integer value").
std::int32_t StrToInt(const std::string& text);

} // namespace pw
