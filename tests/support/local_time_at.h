#pragma once
// A local time for the clocks, as the C library would give it.

#include <ctime>

namespace pw {

// month 1..12; weekday 0 Sunday..6 Saturday.
inline std::tm LocalTimeAt(int year, int month, int day, int weekday, int hour, int minute) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_wday = weekday;
    time.tm_hour = hour;
    time.tm_min = minute;
    return time;
}

} // namespace pw
