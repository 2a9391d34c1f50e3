#include "qt/calendar_names.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(CalendarNamesTest, TheLocalesNamesUnlessTheDisplayCannotSpellThem) {
    const CalendarNames german = LocaleCalendarNames(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.weekdays[0], "Sonntag");
    EXPECT_EQ(german.weekdays[3], "Mittwoch");
    EXPECT_EQ(german.shortMonths[2], "M\xE4rz");
    const CalendarNames russian = LocaleCalendarNames(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(russian.weekdays[3], "Wednesday");
    EXPECT_EQ(russian.shortMonths[8], "Sep");
}

} // namespace
} // namespace pw
