// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the window's title and clock as plain functions of a date-time.
#include <string>
#include <string_view>

#include "almanac/almanac.h"

namespace clockrules {

struct LocalDateTime {
    int year, month, day;  // the Gregorian date
    int hour, minute, second;
    int weekday;  // 1 Monday ... 7 Sunday
};

// "L] 21. juuni 2003. a." for Saturday 21 June 2003.
std::string FormatTodayCaption(const LocalDateTime &now);

// "Vorandel: Päikesetõus ja -loojang /[L] 21. juuni 2003. a./"
std::string WindowTitle(const std::string &todayCaption);

// The Julian date of a local date and time, taken as it stands (no conversion
// to universal time); exact for 1901 to 2099.
double CurrentJulianDate(const LocalDateTime &now);

// "2 452 811.500000": the whole part in groups of three separated by blanks,
// the decimal mark, six decimals with halves rounded up.
std::string FormatJulianDate(double julianDate, char32_t decimalMark);

// The Julian date's tip: the astronomical Julian date of the same instant, in
// UT (seconds from 1970-01-01 00:00 UTC), in the same form,
// " Juliuse päev (UT): 2 461 383.021250 ".
std::string UtJulianDateTip(almanac::UtcSeconds instant, char32_t decimalMark);

// The separator between hours and minutes in a time format of the user's
// regional settings ("HH:mm", "H.mm", "HH 'h' mm"): quoted text is no
// separator; where no single character stands between the hours and the
// minutes, ":".
std::string TimeSeparator(std::u32string_view timeFormat);

// "HH:mm:ss" with the given separator.
std::string FormatClock(int hour, int minute, int second, const std::string &separator);

}  // namespace clockrules
