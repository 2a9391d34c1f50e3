#pragma once
// The job record holds network addresses less one; the user types and reads them as they
// are on the display units. These convert between the two.

#include <cstdint>
#include <string>

namespace pw {

// The first display's address as shown: ID0 + 1.
std::string DisplayAddressText(std::int32_t id0);
// The first slave's address as shown: SlaveID0 + 1, or "0" (no slave) when SlaveID0 is 0
// or less.
std::string SlaveAddressText(std::int32_t slaveId0);

// The typed address less one. Throws ConversionError for text that is not a whole number,
// and for the one number (the smallest) whose predecessor a 32-bit field cannot hold.
std::int32_t DisplayIdFromText(const std::string& text);
// The typed slave address less one; 0 and 1 both mean no slave and give 0. Throws
// ConversionError for text that is not a whole number.
std::int32_t SlaveIdFromText(const std::string& text);

} // namespace pw
