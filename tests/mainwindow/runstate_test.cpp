// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "mainwindow/runstate.h"

namespace {

struct SeasonClickRow {
    const char *name;
    bool resultsShown, winterBefore, clickedWinter;
    std::optional<double> shiftHours;
    bool winterAfter;
};

class SeasonClick : public testing::TestWithParam<SeasonClickRow>
{
};

}  // namespace

TEST_P(SeasonClick, ChoosesTheSeasonOrShiftsTheShownTimes)
{
    const SeasonClickRow &row = GetParam();
    RunState state;
    state.ResultsShown = row.resultsShown;
    state.WinterTime = row.winterBefore;
    EXPECT_EQ(state.seasonClicked(row.clickedWinter), row.shiftHours);
    EXPECT_EQ(state.WinterTime, row.winterAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Options, SeasonClick,
    testing::Values(SeasonClickRow{"EnteringChoosesWinter", false, false, true, std::nullopt, true},
                    SeasonClickRow{"EnteringChoosesSummer", false, true, false, std::nullopt, false},
                    SeasonClickRow{"EnteringSameSeason", false, true, true, std::nullopt, true},
                    SeasonClickRow{"SummerResultsShownInWinter", true, false, true, -1.0, false},
                    SeasonClickRow{"SummerResultsShownInSummer", true, false, false, 0.0, false},
                    SeasonClickRow{"WinterResultsShownInSummer", true, true, false, 1.0, true},
                    SeasonClickRow{"WinterResultsShownInWinter", true, true, true, 0.0, true}),
    [](const testing::TestParamInfo<SeasonClickRow> &row) { return std::string(row.param.name); });

TEST(RunState, EachColumnKeepsItsOwnTimes)
{
    RunState state;
    solar::ColumnResult column;
    column.localNoon = 13.36;
    column.eventTime = 3.99;
    column.polar = solar::PolarState::None;
    state.EventMode = 1;
    state.storeColumn(column);

    column.localNoon = 13.37;
    column.eventTime = 0;
    column.polar = solar::PolarState::PolarDay;
    state.EventMode = 2;
    state.storeColumn(column);

    EXPECT_EQ(state.NoonAtSunrise, 13.36);
    EXPECT_EQ(state.SunriseTime, 3.99);
    EXPECT_FALSE(state.SunriseColumnPolar);
    EXPECT_EQ(state.NoonAtSunset, 13.37);
    EXPECT_EQ(state.SunsetTime, 0);
    EXPECT_TRUE(state.SunsetColumnPolar);
}
