#pragma once
// The clock's weekday and month names in the user's language, and the user's way of writing a
// date and time.

#include "platform/calendar_names.h"

#include <QLocale>

namespace pw {

// The locale's full weekday and abbreviated month names. A name the locale lacks, or one the
// display's Windows-1252 characters cannot spell, stays English. Dates and times are written
// as the locale's short date and long time.
CalendarNames LocaleCalendarNames(const QLocale& locale = QLocale::system());

} // namespace pw
