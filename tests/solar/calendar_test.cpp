// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>

#include "solar/calendar.h"

namespace {

struct DateCase {
    const char *name;
    int day, month, year;
    int expected;
};

TEST(Calendar, DayOfYear)
{
    const DateCase cases[] = {
        {"1 January 1900", 1, 1, 1900, 1},
        {"31 December 1900, a common century year", 31, 12, 1900, 365},
        {"1 March 1900, a common century year", 1, 3, 1900, 60},
        {"1 January 2000", 1, 1, 2000, 1},
        {"31 December 2000, a leap century year", 31, 12, 2000, 366},
        {"1 March 2000", 1, 3, 2000, 61},
        {"1 January 2003", 1, 1, 2003, 1},
        {"31 December 2003", 31, 12, 2003, 365},
        {"21 June 2003", 21, 6, 2003, 172},
        {"31 December 2004", 31, 12, 2004, 366},
        {"1 January 2100", 1, 1, 2100, 1},
        {"31 December 2100, a common century year", 31, 12, 2100, 365},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::DayOfYear(c.day, c.month, c.year), c.expected);
    }
}

TEST(Calendar, WeekdayName)
{
    struct Case {
        const char *name;
        int day, month, year;
        const char *expected;
    };
    const Case cases[] = {
        {"1 January 1900 is a Monday", 1, 1, 1900, "esmasp."},
        {"1 March 1900 is a Thursday", 1, 3, 1900, "neljap."},
        {"1 January 2000 is a Saturday", 1, 1, 2000, "laup."},
        {"29 February 2000", 29, 2, 2000, "teisip."},
        {"1 January 2003 is a Wednesday", 1, 1, 2003, "kolmap."},
        {"21 June 2003 is a Saturday", 21, 6, 2003, "laup."},
        {"1 March 2100 is a Monday", 1, 3, 2100, "esmasp."},
        {"a Sunday", 22, 6, 2003, "pühap."},
        {"a Tuesday", 1, 1, 2002, "teisip."},
        {"a Friday", 31, 12, 9999, "reede"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::WeekdayName(c.day, c.month, c.year), c.expected);
    }
}

TEST(Calendar, WeekOfYear)
{
    const DateCase cases[] = {
        // 2003: 1 January a Wednesday, the first Monday 6 January is in week 2.
        {"1 January 2003, before the first Monday", 1, 1, 2003, 1},
        {"5 January 2003, the Sunday before it", 5, 1, 2003, 1},
        {"6 January 2003, the first Monday", 6, 1, 2003, 2},
        {"13 January 2003", 13, 1, 2003, 3},
        {"21 June 2003", 21, 6, 2003, 25},
        // 2000: 1 January a Saturday, the first Monday 3 January is in week 1;
        // 1-2 January belong to the last week of 1999.
        {"1 January 2000, the Saturday before the first Monday", 1, 1, 2000, 52},
        {"2 January 2000, the Sunday before the first Monday", 2, 1, 2000, 52},
        {"3 January 2000, the first Monday", 3, 1, 2000, 1},
        {"10 January 2000", 10, 1, 2000, 2},
        {"31 December 1999", 31, 12, 1999, 52},
        // 1904: 1 January a Friday; 1-3 January carry 1903's last week, 53.
        {"3 January 1904", 3, 1, 1904, 53},
        {"4 January 1904, the first Monday", 4, 1, 1904, 1},
        // 2001: 1 January a Monday; the first Monday after it is 8 January, week 2.
        {"1 January 2001, itself a Monday", 1, 1, 2001, 1},
        {"7 January 2001", 7, 1, 2001, 1},
        {"8 January 2001", 8, 1, 2001, 2},
        // The count runs on to the end of the year.
        {"31 December 2003, week 53", 31, 12, 2003, 53},
        // 1900 is a common year: weeks change between Sunday and Monday all year.
        {"4 March 1900, a Sunday", 4, 3, 1900, 9},
        {"5 March 1900, a Monday", 5, 3, 1900, 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::WeekOfYear(solar::DayOfYear(c.day, c.month, c.year), c.year), c.expected);
    }
}

TEST(Calendar, IsLeapYear)
{
    EXPECT_FALSE(solar::IsLeapYear(1900));
    EXPECT_TRUE(solar::IsLeapYear(1996));
    EXPECT_TRUE(solar::IsLeapYear(2000));
    EXPECT_TRUE(solar::IsLeapYear(2004));
    EXPECT_FALSE(solar::IsLeapYear(2003));
    EXPECT_FALSE(solar::IsLeapYear(2100));
    EXPECT_TRUE(solar::IsLeapYear(2400));
}

TEST(Calendar, DaysInMonth)
{
    EXPECT_EQ(solar::DaysInMonth(2, 1900), 28);
    EXPECT_EQ(solar::DaysInMonth(2, 2024), 29);
    int days = 0;
    for (int month = 1; month <= 12; ++month)
        days += solar::DaysInMonth(month, 2023);
    EXPECT_EQ(days, 365);
    EXPECT_EQ(solar::DayOfYear(31, 12, 2024), 366);
}

// Every date from 1900 to 2100 against the standard library's civil calendar,
// and within every year the week number steps up exactly on Mondays.
TEST(Calendar, AgreesWithTheCivilCalendarEveryDay)
{
    using namespace std::chrono;
    for (int y = 1900; y <= 2100; ++y) {
        const sys_days newYear = year{y} / January / 1;
        const sys_days end = year{y} / December / 31;
        int previousWeek = 0;
        for (sys_days d = newYear; d <= end; d += days{1}) {
            const year_month_day ymd{d};
            const int day = int(unsigned(ymd.day())), month = int(unsigned(ymd.month()));
            const int n = solar::DayOfYear(day, month, y);
            ASSERT_EQ(n, (d - newYear).count() + 1) << y << "-" << month << "-" << day;
            const int dayOfWeek = int(weekday{d}.c_encoding());  // 0 Sunday
            ASSERT_EQ(solar::GregorianWeekday(day, month, y), dayOfWeek) << y << "-" << month << "-" << day;
            const int week = solar::WeekOfYear(std::int16_t(n), y);
            // The first Monday may start week 1 after days that carried the
            // previous year's last number (53 in 1904).
            const bool firstMondayOfWeekOne = dayOfWeek == 1 && n <= 7 && week == 1;
            if (n > 1 && !firstMondayOfWeekOne) {
                ASSERT_EQ(week, previousWeek + (dayOfWeek == 1 ? 1 : 0)) << y << "-" << month << "-" << day;
            }
            previousWeek = week;
        }
    }
}

}  // namespace
