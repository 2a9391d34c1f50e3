#pragma once
// The weekday and month names the live clock shows. The user's language is known only to the
// platform, so the application fills them in; until it does they are the English ones.

#include <array>
#include <string>

namespace pw {

struct CalendarNames {
    // Full weekday names, Sunday first, as std::tm counts them.
    std::array<std::string, 7> weekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    // Abbreviated month names, January first.
    std::array<std::string, 12> shortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
};

} // namespace pw
