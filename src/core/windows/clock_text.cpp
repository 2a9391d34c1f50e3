#include "windows/clock_text.h"

namespace pw {

namespace {

// The last two decimal digits of a non-negative number.
std::string TwoDigits(int value) {
    value %= 100;
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// value mod n in 0..n-1: the times a caller hands in need not come from the C library, which
// keeps weekday and month in range.
std::size_t Wrapped(int value, int n) {
    return static_cast<std::size_t>((value % n + n) % n);
}

} // namespace

std::string FormatClock(const std::tm& time, std::int32_t parameter, const CalendarNames& names) {
    std::string clock;
    if (parameter == 1) {
        clock = TwoDigits(time.tm_hour) + ":" + TwoDigits(time.tm_min);
    } else {
        const int hour = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
        clock = std::to_string(hour) + ":" + TwoDigits(time.tm_min) +
                (time.tm_hour < 12 ? " am" : " pm");
    }
    return clock + "  " + names.weekdays[Wrapped(time.tm_wday, 7)] + " " +
           std::to_string(time.tm_mday) + " " + names.shortMonths[Wrapped(time.tm_mon, 12)] + " " +
           TwoDigits(time.tm_year + 1900);
}

} // namespace pw
