// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the ten input fields as plain functions of their texts and
// values: which keys a field takes, the date checks, the season a month
// normally has and the tidying of a field's text to two digits.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fieldrules {

inline constexpr char16_t kBackspace = 8;
inline constexpr char16_t kEnter = 13;
inline constexpr char16_t kMinus = 45;
inline constexpr char16_t kCtrlV = 22;

// Digits, Backspace and Enter; the minus sign only where minusAllowed.
bool IsAcceptedKey(char16_t keyCode, bool minusAllowed);

// A notice: its window title and three lines (an unused line is empty).
struct NoticeText {
    std::string title, line1, line2, line3;
    bool operator==(const NoticeText &) const = default;
};

NoticeText RejectedKeyNotice();
NoticeText TooLargeNotice();
NoticeText YearBefore1900Notice();

// The longest a month can be: 31, 30, or 29 for February; 0 for no month.
int LongestMonthLength(int month);

enum class DateVerdict {
    NoMonth,  // month 0: no check at all
    Valid,
    WrongDay,  // "Sisestatud kuupäev ei ole õige"
    NotLeapYear,  // 29 February outside a leap year
    WrongDayNotLeapYear,  // 30 or 31 February outside a leap year
};

// The day against the longest length of the month (the year is not known yet).
DateVerdict CheckDayOfMonth(int day, int month);
// The day against the month's length in that year. A month above 12 is not checked.
DateVerdict CheckFullDate(int day, int month, int year);
// 29 February against the year: true when the day is too large for February.
bool LeapDayRejected(int day, int year);

// The notice a rejected date shows; nothing for NoMonth and Valid.
std::optional<NoticeText> DateNotice(DateVerdict verdict);

// Calculate's completion: a one-character text gets a leading zero.
std::string CompleteToTwoDigits(std::string_view text);

// Leaving the day or month field: 0 empties it, anything else gets two digits.
std::string DayOrMonthOnLeaving(std::string_view text);
// Leaving a minutes or seconds field: two digits, 0 included ("0" -> "00").
std::string MinutesOrSecondsOnLeaving(std::string_view text);

// Calculate is possible exactly while all ten fields hold text.
bool AllFieldsFilled(const std::array<std::string_view, 10> &texts);

}  // namespace fieldrules
