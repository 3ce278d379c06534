// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Earth on its orbit and the Sun in the sky for one moment of the day.
// Angles in decimal degrees (not reduced modulo 360), times in decimal hours.
// eventMode: 1 sunrise column (06:00 of the day), 2 sunset column (18:00).
// winterTime: 0 summer time (GMT +3), otherwise winter time (GMT +2).
#include <cstdint>

namespace solar {

// Nurk A: mean orbit angle since the start of 1 January.
double OrbitAngleSinceNewYear(std::int16_t dayOfYear, int eventMode);
// Nurk B: angle from perihelion.
double PerihelionAngle(double orbitAngle);
// Nurk C: angle from the vernal point.
double EquinoxAngle(double perihelionAngle);
// Nurk D: the Sun's declination.
double SunDeclination(double equinoxAngle);
// Height of the Sun above the horizon at noon.
double NoonSunHeight(double latitude, double declination);
// Nurk E, hours: sundial minus clock, positive when the sundial is ahead.
double EquationOfTime(double perihelionAngle, double equinoxAngle);
// Clock time of local noon, hours.
double LocalNoon(double longitude, double equationOfTime, int winterTime);

// arcsin of x in degrees, as atan(x / sqrt(1 - x²)); |x| < 1.
double ArcsineDegrees(double x);

}  // namespace solar
