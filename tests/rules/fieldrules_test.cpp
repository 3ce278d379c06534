// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "rules/fieldrules.h"

using namespace fieldrules;

TEST(KeyFilter, AcceptsDigitsBackspaceEnterAndMinusWhereAllowed)
{
    for (char16_t c = u'0'; c <= u'9'; ++c)
        EXPECT_TRUE(IsAcceptedKey(c, false));
    EXPECT_TRUE(IsAcceptedKey(kBackspace, false));
    EXPECT_TRUE(IsAcceptedKey(kEnter, false));
    EXPECT_TRUE(IsAcceptedKey(kMinus, true));
    EXPECT_FALSE(IsAcceptedKey(kMinus, false));
    for (char16_t c : {u'a', u' ', u'.', u',', u'+', char16_t(3), char16_t(22), char16_t(24), u'ä'})
        EXPECT_FALSE(IsAcceptedKey(c, true)) << int(c);
}

TEST(DateChecks, DayOfMonthUsesTheLongestLength)
{
    const struct {
        int day, month;
        DateVerdict verdict;
    } rows[] = {
        {31, 1, DateVerdict::Valid},    {32, 1, DateVerdict::WrongDay}, {30, 4, DateVerdict::Valid},
        {31, 4, DateVerdict::WrongDay}, {29, 2, DateVerdict::Valid},    {30, 2, DateVerdict::WrongDay},
        {31, 12, DateVerdict::Valid},   {5, 0, DateVerdict::NoMonth},
    };
    for (const auto &r : rows)
        EXPECT_EQ(CheckDayOfMonth(r.day, r.month), r.verdict) << r.day << "." << r.month;
}

TEST(DateChecks, FullDate)
{
    const struct {
        int day, month, year;
        DateVerdict verdict;
    } rows[] = {
        {28, 2, 2003, DateVerdict::Valid},
        {29, 2, 2003, DateVerdict::NotLeapYear},
        {30, 2, 2003, DateVerdict::WrongDayNotLeapYear},
        {31, 2, 1900, DateVerdict::WrongDayNotLeapYear},
        {29, 2, 2000, DateVerdict::Valid},
        {30, 2, 2004, DateVerdict::WrongDay},
        {31, 6, 2003, DateVerdict::WrongDay},
        {31, 7, 2003, DateVerdict::Valid},
        {12, 0, 2003, DateVerdict::NoMonth},
        {31, 13, 2003, DateVerdict::Valid},  // not checked: the month's own limit rejects it
    };
    for (const auto &r : rows)
        EXPECT_EQ(CheckFullDate(r.day, r.month, r.year), r.verdict)
            << r.day << "." << r.month << "." << r.year;
}

TEST(DateChecks, NoticeLines)
{
    EXPECT_EQ(DateNotice(DateVerdict::WrongDay),
              (NoticeText{"Vigane kuupäev", "Sisestatud kuupäev ei ole õige", "", ""}));
    EXPECT_EQ(DateNotice(DateVerdict::NotLeapYear),
              (NoticeText{"Vigane kuupäev", "Sisestatud aasta ei ole liigaasta", "", ""}));
    EXPECT_EQ(DateNotice(DateVerdict::WrongDayNotLeapYear),
              (NoticeText{"Vigane kuupäev", "Sisestatud kuupäev ei ole õige", "",
                          "NB! Sisestatud aasta ei ole liigaasta"}));
    EXPECT_FALSE(DateNotice(DateVerdict::Valid));
    EXPECT_FALSE(DateNotice(DateVerdict::NoMonth));
}

TEST(DateChecks, LeapDay)
{
    EXPECT_TRUE(LeapDayRejected(29, 2003));
    EXPECT_TRUE(LeapDayRejected(29, 1900));
    EXPECT_FALSE(LeapDayRejected(29, 2000));
    EXPECT_FALSE(LeapDayRejected(28, 2003));
}

TEST(Tidying, TwoDigitsAndLeaving)
{
    const struct {
        const char *text, *completed, *dayMonth, *minSec;
    } rows[] = {
        {"", "", "", ""},       {"5", "05", "05", "05"},  {"0", "00", "", "00"},
        {"00", "00", "", "00"}, {"07", "07", "07", "07"}, {"12", "12", "12", "12"},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(CompleteToTwoDigits(r.text), r.completed) << r.text;
        EXPECT_EQ(DayOrMonthOnLeaving(r.text), r.dayMonth) << r.text;
        EXPECT_EQ(MinutesOrSecondsOnLeaving(r.text), r.minSec) << r.text;
    }
}

TEST(Calculate, EnabledExactlyWhenAllTenFieldsHoldText)
{
    std::array<std::string_view, 10> texts{"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"};
    EXPECT_TRUE(AllFieldsFilled(texts));
    for (size_t i = 0; i < texts.size(); ++i) {
        auto t = texts;
        t[i] = "";
        EXPECT_FALSE(AllFieldsFilled(t)) << i;
    }
}
