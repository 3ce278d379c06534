// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "almanac/timescales.h"
#include "solar/calendar.h"

namespace {

TEST(Calendar, DaysAndDatesRoundTripOverTheWholeRange)
{
    const std::int64_t first = almanac::daysFromCivil({1899, 12, 31});
    const std::int64_t last = almanac::daysFromCivil({3001, 1, 1});
    EXPECT_EQ(first, -25568);
    EXPECT_EQ(almanac::daysFromCivil({1970, 1, 1}), 0);
    EXPECT_EQ(almanac::daysFromCivil({2000, 3, 1}), 11017);
    almanac::CivilDate expected{1899, 12, 31};
    for (std::int64_t d = first; d <= last; ++d) {
        const almanac::CivilDate date = almanac::civilFromDays(d);
        ASSERT_EQ(date, expected) << d;
        ASSERT_EQ(almanac::daysFromCivil(date), d);
        if (++expected.day > solar::DaysInMonth(expected.month, expected.year)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

struct DeltaT {
    double year;
    double seconds;
    double tolerance;
};

class DeltaTModel : public testing::TestWithParam<DeltaT>
{
};

// Observed ΔT (seconds) and the model's long-term figures.
TEST_P(DeltaTModel, FollowsTheObservedAndExtrapolatedValues)
{
    EXPECT_NEAR(almanac::deltaTSeconds(GetParam().year), GetParam().seconds, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(Almanac, DeltaTModel,
                         testing::Values(DeltaT{1900.0, -2.79, 0.01}, DeltaT{1950.0, 29.07, 0.01},
                                         DeltaT{1975.0, 45.45, 0.01}, DeltaT{2000.0, 63.86, 0.01},
                                         DeltaT{2026.0, 74.0, 4.0}, DeltaT{2500.0, 1460.0, 10.0},
                                         DeltaT{3000.0, 4436.0, 10.0}));

}  // namespace
