// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/orbit.h"

#include <cmath>

#include "solar/constants.h"
#include "solar/season.h"

namespace solar {

namespace {
constexpr double kMeanDailyMotionDeg = 0.9856;  // degrees of orbit per day
constexpr double kPerihelionOffsetDeg = 2.257;
constexpr double kEquationOfCentreDeg = 1.91;
constexpr double kVernalPointOffsetDeg = 79.957;
constexpr double kSineOfObliquity = 0.3978;
constexpr double kOrbitTermHours = 0.128;
constexpr double kTiltTermHours = 1.0 / 6;
constexpr double kZoneNoonAtGreenwichHours = 12 + kSummerTimeOffsetHours;
constexpr double kDegreesPerHour = 15;
constexpr double kWinterOffsetHours = kSummerTimeOffsetHours - kWinterTimeOffsetHours;
}  // namespace

double OrbitAngleSinceNewYear(std::int16_t dayOfYear, int eventMode)
{
    // The middle of the day less or plus a quarter day: 06:00 or 18:00.
    const double moment = eventMode == 1 ? dayOfYear - 0.5 - 0.25 : dayOfYear - 0.5 + 0.25;
    return kMeanDailyMotionDeg * moment;
}

double PerihelionAngle(double orbitAngle) { return orbitAngle - kPerihelionOffsetDeg; }

double EquinoxAngle(double perihelionAngle)
{
    return perihelionAngle + kEquationOfCentreDeg * std::sin(perihelionAngle * kDegToRad)
        - kVernalPointOffsetDeg;
}

double ArcsineDegrees(double x) { return std::atan(x / std::sqrt(1 - x * x)) * kRadToDeg; }

double SunDeclination(double equinoxAngle)
{
    const double x = kSineOfObliquity * std::sin(equinoxAngle * kDegToRad);
    return ArcsineDegrees(x);
}

double NoonSunHeight(double latitude, double declination) { return 90 - latitude + declination; }

double EquationOfTime(double perihelionAngle, double equinoxAngle)
{
    return kTiltTermHours * std::sin(2 * equinoxAngle * kDegToRad)
        - kOrbitTermHours * std::sin(perihelionAngle * kDegToRad);
}

double LocalNoon(double longitude, double equationOfTime, int winterTime)
{
    double noon = kZoneNoonAtGreenwichHours - longitude / kDegreesPerHour - equationOfTime;
    if (winterTime != 0)
        noon -= kWinterOffsetHours;
    return noon;
}

}  // namespace solar
