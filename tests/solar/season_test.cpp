// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/season.h"

#include <gtest/gtest.h>

using namespace solar;

TEST(Season, ByMonth)
{
    EXPECT_FALSE(SeasonForMonth(0));
    for (int m : {1, 2, 3, 10, 11, 12, 13, 99})
        EXPECT_EQ(SeasonForMonth(m), Season::Winter) << m;
    for (int m = 4; m <= 9; ++m)
        EXPECT_EQ(SeasonForMonth(m), Season::Summer) << m;
}

TEST(Season, ClockAndCaption)
{
    EXPECT_EQ(OffsetSeconds(Season::Summer), 10800);
    EXPECT_EQ(OffsetSeconds(Season::Winter), 7200);
    EXPECT_EQ(SeasonCaption(Season::Summer), "suveaeg");
    EXPECT_EQ(SeasonCaption(Season::Winter), "talveaeg");
}
