// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/fieldrules.h"

#include <algorithm>

#include "solar/calendar.h"
#include "solar/observation.h"

namespace fieldrules {

namespace {

// Digits only (the key filter sees to that); a text that is not a number reads 0.
int valueOf(std::string_view text) { return solar::FieldTextToInt16(text).value_or(0); }

std::string twoDigits(int value)
{
    std::string s = std::to_string(value);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

bool IsAcceptedKey(char16_t keyCode, bool minusAllowed)
{
    if (keyCode >= u'0' && keyCode <= u'9')
        return true;
    if (keyCode == kBackspace || keyCode == kEnter)
        return true;
    return keyCode == kMinus && minusAllowed;
}

NoticeText RejectedKeyNotice()
{
    return {"Viga sisestamisel", "Sisestatavad andmed peavad olema positiivsed täisarvud",
            "(v.a. geogr. pikkuskraad)", ""};
}

NoticeText TooLargeNotice()
{
    return {"Viga sisestamisel", "Sisestatud välja Täisarv on liiga suur", "", ""};
}

NoticeText YearBefore1900Notice()
{
    return {"Tähelepanu", "Sisestatav aasta peab algama alates aastast 1900 k.a.", "", ""};
}

int LongestMonthLength(int month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12: return 31;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return 29;
    default: return 0;
    }
}

DateVerdict CheckDayOfMonth(int day, int month)
{
    if (month == 0)
        return DateVerdict::NoMonth;
    return day <= LongestMonthLength(month) ? DateVerdict::Valid : DateVerdict::WrongDay;
}

DateVerdict CheckFullDate(int day, int month, int year)
{
    if (month == 0)
        return DateVerdict::NoMonth;
    if (month > 12)
        return DateVerdict::Valid;
    if (month == 2 && !solar::IsLeapYear(year)) {
        if (day == 29)
            return DateVerdict::NotLeapYear;
        if (day >= 30)
            return DateVerdict::WrongDayNotLeapYear;
        return DateVerdict::Valid;
    }
    return day <= LongestMonthLength(month) ? DateVerdict::Valid : DateVerdict::WrongDay;
}

bool LeapDayRejected(int day, int year) { return day > (solar::IsLeapYear(year) ? 29 : 28); }

std::optional<NoticeText> DateNotice(DateVerdict verdict)
{
    const std::string title = "Vigane kuupäev";
    switch (verdict) {
    case DateVerdict::WrongDay: return NoticeText{title, "Sisestatud kuupäev ei ole õige", "", ""};
    case DateVerdict::NotLeapYear: return NoticeText{title, "Sisestatud aasta ei ole liigaasta", "", ""};
    case DateVerdict::WrongDayNotLeapYear:
        return NoticeText{title, "Sisestatud kuupäev ei ole õige", "",
                          "NB! Sisestatud aasta ei ole liigaasta"};
    case DateVerdict::NoMonth:
    case DateVerdict::Valid: break;
    }
    return std::nullopt;
}

std::string CompleteToTwoDigits(std::string_view text)
{
    return text.size() == 1 ? "0" + std::string(text) : std::string(text);
}

std::string DayOrMonthOnLeaving(std::string_view text)
{
    if (text.empty())
        return {};
    const int value = valueOf(text);
    return value == 0 ? std::string() : twoDigits(value);
}

std::string MinutesOrSecondsOnLeaving(std::string_view text)
{
    if (text.empty())
        return {};
    return twoDigits(valueOf(text));
}

bool AllFieldsFilled(const std::array<std::string_view, 10> &texts)
{
    return std::none_of(texts.begin(), texts.end(), [](std::string_view t) { return t.empty(); });
}

}  // namespace fieldrules
