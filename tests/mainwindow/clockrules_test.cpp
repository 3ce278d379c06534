// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "mainwindow/clockrules.h"

using namespace clockrules;

TEST(Title, TodayCaption)
{
    EXPECT_EQ(WindowTitle(FormatTodayCaption({2026, 12, 6, 10, 0, 0, 7})),
              "Vorandel: Päikesetõus ja -loojang /[P] 06. detsember 2026. a./");
    EXPECT_EQ(WindowTitle(FormatTodayCaption({2003, 1, 1, 0, 0, 0, 3})),
              "Vorandel: Päikesetõus ja -loojang /[K] 01. jaanuar 2003. a./");
    EXPECT_EQ(FormatTodayCaption({2003, 6, 21, 0, 0, 0, 6}), "L] 21. juuni 2003. a.");
    EXPECT_EQ(FormatTodayCaption({2024, 3, 11, 0, 0, 0, 1}), "E] 11. märts 2024. a.");
}

TEST(JulianDate, LocalTimeAsItStands)
{
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2003, 6, 21, 0, 0, 0, 6}), 2452811.5);
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2003, 6, 21, 12, 0, 0, 6}), 2452812.0);
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2003, 6, 21, 6, 0, 0, 6}), 2452811.75);
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2000, 1, 1, 12, 0, 0, 6}), 2451545.0);
}

TEST(JulianDate, Text)
{
    EXPECT_EQ(FormatJulianDate(2452811.5, U'.'), "2 452 811.500000");
    EXPECT_EQ(FormatJulianDate(2452811.5, U','), "2 452 811,500000");
    EXPECT_EQ(FormatJulianDate(2452811.75, U','), "2 452 811,750000");
    // One second is 0.0000115740…: the sixth decimal rounds, halves up.
    EXPECT_EQ(FormatJulianDate(CurrentJulianDate({2003, 6, 21, 0, 0, 1, 6}), U'.'), "2 452 811.500012");
    EXPECT_EQ(FormatJulianDate(2452811.9999995, U'.'), "2 452 812.000000");
}

TEST(Clock, Text)
{
    EXPECT_EQ(FormatClock(9, 5, 3, ":"), "09:05:03");
    EXPECT_EQ(FormatClock(23, 59, 59, "."), "23.59.59");
}
