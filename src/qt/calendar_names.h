#pragma once
// The clock's weekday and month names in the user's language.

#include "platform/calendar_names.h"

#include <QLocale>

namespace pw {

// The locale's full weekday and abbreviated month names. A name the locale lacks, or one the
// display's Windows-1252 characters cannot spell, stays English.
CalendarNames LocaleCalendarNames(const QLocale& locale = QLocale::system());

} // namespace pw
