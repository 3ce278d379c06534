// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/calendar.h"

#include <array>

namespace solar {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[std::size_t(month - 1)];
}

std::int16_t DayOfYear(int day, int month, int year)
{
    static constexpr std::array<int, 12> kDaysBeforeMonth
        = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int leapDay = (month > 2 && IsLeapYear(year)) ? 1 : 0;
    return static_cast<std::int16_t>(kDaysBeforeMonth[month - 1] + day + leapDay);
}

int GregorianWeekday(int day, int month, int year)
{
    // Sakamoto's rule: January and February count with the year before.
    static constexpr std::array<int, 12> kMonthOffset = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int y = month < 3 ? year - 1 : year;
    return (y + y / 4 - y / 100 + y / 400 + kMonthOffset[month - 1] + day) % 7;
}

std::int16_t WeekOfYear(std::int16_t dayOfYear, int year)
{
    // k: days from 1 January to the first Monday strictly after it (1..7).
    int k = (1 - GregorianWeekday(1, 1, year) + 7) % 7;
    if (k == 0)
        k = 7;
    const int firstMonday = k + 1;
    const int firstMondayWeek = k > 3 ? 2 : 1;
    if (dayOfYear >= firstMonday)
        return static_cast<std::int16_t>(firstMondayWeek + (dayOfYear - firstMonday) / 7);
    // The days before the first Monday belong to the week before it.
    if (firstMondayWeek == 2)
        return 1;
    return WeekOfYear(DayOfYear(31, 12, year - 1), year - 1);
}

std::string WeekdayName(int day, int month, int year)
{
    static constexpr std::array<const char *, 7> kNames
        = {"pühap.", "esmasp.", "teisip.", "kolmap.", "neljap.", "reede", "laup."};
    return kNames[GregorianWeekday(day, month, year)];
}

}  // namespace solar
