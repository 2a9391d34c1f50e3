#pragma once
// The time a picture's clocks show, as the command line gives it.

#include <ctime>
#include <optional>
#include <string>

namespace pw {

// "2026-03-14T09:05" or "2026-03-14 09:05", seconds optional, as the local time of the clocks.
std::optional<std::tm> ClockTime(const std::string& text);

} // namespace pw
