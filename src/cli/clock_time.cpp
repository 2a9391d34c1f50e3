#include "cli/clock_time.h"

#include <QDateTime>

namespace pw {

std::optional<std::tm> ClockTime(const std::string& text) {
    QString iso = QString::fromStdString(text);
    iso.replace(' ', 'T');
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODate);
    if (!t.isValid()) return std::nullopt;
    std::tm time{};
    time.tm_year = t.date().year() - 1900;
    time.tm_mon = t.date().month() - 1;
    time.tm_mday = t.date().day();
    time.tm_wday = t.date().dayOfWeek() % 7; // Qt counts Sunday as 7
    time.tm_yday = t.date().dayOfYear() - 1;
    time.tm_hour = t.time().hour();
    time.tm_min = t.time().minute();
    time.tm_sec = t.time().second();
    time.tm_isdst = -1;
    return time;
}

} // namespace pw
