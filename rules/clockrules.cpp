// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/clockrules.h"

#include <cmath>
#include <cstdint>

#include "almanac/timescales.h"

namespace clockrules {

namespace {

const char *const kWeekdayLetters[] = {"E", "T", "K", "N", "R", "L", "P"};
const char *const kMonthNames[] = {"jaanuar", "veebruar", "märts",     "aprill",   "mai",      "juuni",
                                   "juuli",   "august",   "september", "oktoober", "november", "detsember"};

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

}  // namespace

std::string FormatTodayCaption(const LocalDateTime &now)
{
    return std::string(kWeekdayLetters[now.weekday - 1]) + "] " + twoDigits(now.day) + ". "
        + kMonthNames[now.month - 1] + " " + std::to_string(now.year) + ". a.";
}

std::string WindowTitle(const std::string &todayCaption)
{
    return "Vorandel: Päikesetõus ja -loojang /[" + todayCaption + "/";
}

double CurrentJulianDate(const LocalDateTime &now)
{
    const int Y = now.year, M = now.month, D = now.day;
    // Integer divisions of non-negative whole numbers.
    const long days = 367L * Y - (7L * (Y + (M + 9) / 12)) / 4 + (275L * M) / 9 + D;
    const double dayFraction = (3600.0 * now.hour + 60.0 * now.minute + now.second) / 86400;
    return double(days) - 678986.5 + dayFraction + 2400000;
}

std::string FormatJulianDate(double julianDate, char32_t decimalMark)
{
    // Millionths, halves rounded up.
    const auto millionths = static_cast<std::int64_t>(std::floor(julianDate * 1e6 + 0.5));
    const std::int64_t whole = millionths / 1000000;
    const std::int64_t fraction = millionths % 1000000;
    std::string digits = std::to_string(whole);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += digits[i];
    }
    std::string decimals = std::to_string(fraction);
    decimals.insert(0, 6 - decimals.size(), '0');
    return grouped + utf8(decimalMark) + decimals;
}

std::string UtJulianDateTip(almanac::UtcSeconds instant, char32_t decimalMark)
{
    const double julianDate = almanac::kJ2000JulianDate + almanac::utDaysFromUtcSeconds(instant);
    return " Juliuse päev (UT): " + FormatJulianDate(julianDate, decimalMark) + " ";
}

std::string TimeSeparator(std::u32string_view timeFormat)
{
    // Quoted text ('h', 'Uhr') is taken out; two quotes in a row stand for a
    // quote sign, which is no separator either.
    std::u32string unquoted;
    bool quoted = false;
    for (const char32_t c : timeFormat) {
        if (c == U'\'')
            quoted = !quoted;
        else if (!quoted)
            unquoted += c;
    }
    const auto hours = unquoted.find_first_of(U"hH");
    if (hours == std::u32string::npos)
        return ":";
    const auto afterHours = unquoted.find_first_not_of(U"hH", hours);
    const auto minutes = unquoted.find(U'm', hours);
    if (afterHours == std::u32string::npos || minutes != afterHours + 1)
        return ":";
    const char32_t separator = unquoted[afterHours];
    const bool letterOrDigit = (separator >= U'0' && separator <= U'9')
        || (separator >= U'a' && separator <= U'z') || (separator >= U'A' && separator <= U'Z');
    return letterOrDigit ? ":" : utf8(separator);
}

std::string FormatClock(int hour, int minute, int second, const std::string &separator)
{
    return twoDigits(hour) + separator + twoDigits(minute) + separator + twoDigits(second);
}

}  // namespace clockrules
