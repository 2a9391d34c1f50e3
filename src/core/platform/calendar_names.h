#pragma once
// The weekday and month names the live clock shows, and how the user writes a date and time.
// The user's language is known only to the platform, so the application fills them in; until
// it does they are the English names and an ISO date and time.

#include <array>
#include <ctime>
#include <functional>
#include <string>

namespace pw {

struct CalendarNames {
    // Full weekday names, Sunday first, as std::tm counts them.
    std::array<std::string, 7> weekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    // Abbreviated month names, January first.
    std::array<std::string, 12> shortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // A moment as the user's locale writes it: the short date, then the long time.
    std::function<std::string(const std::tm&)> dateTime = [](const std::tm& t) {
        char text[32];
        return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &t));
    };
};

} // namespace pw
