// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/runstate.h"

void RunState::storeColumn(const solar::ColumnResult &column)
{
    const bool polar = column.polar != solar::PolarState::None;
    if (EventMode == 1) {
        NoonAtSunrise = column.localNoon;
        SunriseTime = column.eventTime;
        SunriseColumnPolar = polar;
    } else if (EventMode == 2) {
        NoonAtSunset = column.localNoon;
        SunsetTime = column.eventTime;
        SunsetColumnPolar = polar;
    }
}

std::optional<double> RunState::seasonClicked(bool winter)
{
    if (!ResultsShown) {
        WinterTime = winter;
        return std::nullopt;
    }
    // Summer time is one hour ahead of winter time.
    return (WinterTime ? 1.0 : 0.0) - (winter ? 1.0 : 0.0);
}
