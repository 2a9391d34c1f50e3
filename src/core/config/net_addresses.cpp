#include "config/net_addresses.h"

#include "platform/errors.h"
#include "display/int_text.h"

#include <limits>

namespace pw {

std::string DisplayAddressText(std::int32_t id0) {
    // Widened first: a hand-edited file may hold the largest 32-bit value.
    return std::to_string(std::int64_t{id0} + 1);
}

std::string SlaveAddressText(std::int32_t slaveId0) {
    return slaveId0 >= 1 ? std::to_string(std::int64_t{slaveId0} + 1) : "0";
}

std::int32_t DisplayIdFromText(const std::string& text) {
    const std::int32_t address = StrToInt(text);
    // Wrapping round to the largest address would store a number nobody typed.
    if (address == std::numeric_limits<std::int32_t>::min()) throw ConversionError(text);
    return address - 1;
}

std::int32_t SlaveIdFromText(const std::string& text) {
    const std::int32_t address = StrToInt(text);
    return address <= 1 ? 0 : address - 1;
}

} // namespace pw
