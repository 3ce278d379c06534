// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window keeps through a run besides its controls' texts: the
// season, whether results are shown, and the clock times of the last
// computation, which the season options show again an hour later or earlier.
#include <optional>

#include "solar/results.h"

class RunState
{
public:
    // The season in effect: false summer time (GMT +3), true winter time (GMT +2).
    // While results are shown, the season they were computed in.
    bool WinterTime = false;
    bool ResultsShown = false;
    int EventMode = 0;  // 1 while the sunrise column is computed, 2 the sunset column, 0 otherwise
    double HorizonSine = 0;  // sine of the Sun's depression at rising and setting
    // The four clock times of the last computation, decimal hours, in the
    // season WinterTime had then; Clear keeps them.
    double NoonAtSunrise = 0, SunriseTime = 0, NoonAtSunset = 0, SunsetTime = 0;
    // While set, leaving the year field does not report a year before 1900:
    // Calculate is reporting the same year itself.
    bool YearNoticeMuted = false;
    // A column where the Sun does not rise or set keeps its polar text when
    // the season is switched.
    bool SunriseColumnPolar = false, SunsetColumnPolar = false;

    // Keeps the local noon, the event time and the polar state of the column
    // being computed (EventMode 1 or 2).
    void storeColumn(const solar::ColumnResult &column);

    // A click on a season option. While the observation is entered, the
    // option clicked becomes the season of the next computation and the
    // answer is empty. While results are shown the season stays theirs, and
    // the answer is the hours to add to the stored clock times to show them
    // in the season clicked: +1, 0 or -1.
    std::optional<double> seasonClicked(bool winter);
};
