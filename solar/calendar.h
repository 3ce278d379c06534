// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar values of a date, by the Gregorian calendar (1900 and 2100 are
// common years, 2000 is a leap year). Years 1..9999.
#include <cstdint>
#include <string>

namespace solar {

bool IsLeapYear(int year);

// 28 to 31; month 1..12.
int DaysInMonth(int month, int year);

// 1 for 1 January. The date is valid for its month.
std::int16_t DayOfYear(int day, int month, int year);

// 0 Sunday, 1 Monday, ..., 6 Saturday.
int GregorianWeekday(int day, int month, int year);

// Weeks run Monday to Sunday from the first Monday after 1 January on; that
// week is week 2 when 1 January falls on Monday to Thursday, else week 1. The
// count runs on to the end of the year (week 53 is possible). Days before that
// Monday form the week before it: week 1, or the week of 31 December of the
// previous year.
std::int16_t WeekOfYear(std::int16_t dayOfYear, int year);

// "pühap.", "esmasp.", "teisip.", "kolmap.", "neljap.", "reede", "laup."
std::string WeekdayName(int day, int month, int year);

}  // namespace solar
