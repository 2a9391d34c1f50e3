#include "qt/calendar_names.h"

#include "qt/win1252.h"

#include <QDate>
#include <QTime>

namespace pw {

namespace {

void Take(std::string& name, const QString& localName) {
    if (localName.isEmpty()) return;
    const std::string bytes = ToWin1252(localName);
    if (FromWin1252(bytes) == localName) name = bytes;
}

} // namespace

CalendarNames LocaleCalendarNames(const QLocale& locale) {
    CalendarNames names;
    // QLocale counts the weekdays from Monday = 1 to Sunday = 7.
    for (int day = 0; day < 7; ++day)
        Take(names.weekdays[day], locale.dayName(day == 0 ? 7 : day, QLocale::LongFormat));
    for (int month = 0; month < 12; ++month)
        Take(names.shortMonths[month], locale.monthName(month + 1, QLocale::ShortFormat));
    names.dateTime = [locale](const std::tm& t) {
        const QDate date(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
        const QTime time(t.tm_hour, t.tm_min, t.tm_sec);
        return ToWin1252(locale.toString(date, QLocale::ShortFormat) + ' ' +
                         locale.toString(time, QLocale::LongFormat));
    };
    return names;
}

} // namespace pw
