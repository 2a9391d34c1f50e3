#pragma once

#include <ctime>

namespace pw {

// The calendar time in the user's time zone.
std::tm LocalTimeOf(std::time_t t);

} // namespace pw
