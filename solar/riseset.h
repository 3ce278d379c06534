// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sunrise and sunset: the depression of the horizon, the half-day arc and the
// clock time of the event. Angles in degrees, times in decimal hours.
namespace solar {

// Whether the Sun crosses the horizon on the day of a column.
enum class PolarState {
    None,  // it rises and sets
    PolarNight,  // it stays below the horizon all day (e > 1)
    PolarDay,  // it stays above the horizon all day (e < -1)
};

struct HalfDayArcResult {
    double degrees = 0;  // 0..180; 0 in polar night, 180 in polar day
    PolarState polar = PolarState::None;
};

// Sine of the Sun's depression at rising and setting for the observer's
// height: 0.833° plus the dip of the horizon. heightMetres >= 0.
double HorizonDepressionSine(double heightMetres);

// e: the cosine of the hour angle at which the Sun's centre stands at the
// depression. Latitude 0..89°59'59''.
double HourAngleCosine(double declination, double latitude, double horizonSine);

// The arc from the cosine e: arccos e inside -1..1 (180 at -1, 0 at +1 exactly),
// polar day beyond -1, polar night beyond +1.
HalfDayArcResult HalfDayArcFromCosine(double e);

// The hour angle between the event and local noon.
HalfDayArcResult HalfDayArc(double declination, double latitude, double horizonSine);

// Clock time of sunrise (eventMode 1) or sunset (eventMode 2), hours.
// winterTime: 0 summer time (GMT +3), otherwise winter time (GMT +2).
double SunEventTime(double longitude, double arcDegrees, double equationOfTime, int eventMode,
                    int winterTime);

}  // namespace solar
