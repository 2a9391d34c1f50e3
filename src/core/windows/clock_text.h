#pragma once
// What a Time and Date Window shows of a moment.

#include "platform/calendar_names.h"

#include <cstdint>
#include <ctime>
#include <string>

namespace pw {

// The live clock text: "HH:MM  dddd d mmm yy" for a 24-hour clock (parameter 1), else
// "h:mm am/pm  dddd d mmm yy", with the full weekday and the abbreviated month name.
std::string FormatClock(const std::tm& time, std::int32_t parameter, const CalendarNames& names);

} // namespace pw
