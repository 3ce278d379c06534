// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/riseset.h"

#include <cmath>

#include "solar/constants.h"
#include "solar/season.h"

namespace solar {

namespace {
constexpr double kSunCentreDepressionDeg = 0.833;
constexpr double kHorizonDipDegPerRootMetre = 0.0347;
// Noon at Greenwich in summer time, as an hour angle: 15 hours.
constexpr double kZoneNoonHourAngleDeg = (12 + kSummerTimeOffsetHours) * 15;
constexpr double kWinterOffsetHours = kSummerTimeOffsetHours - kWinterTimeOffsetHours;
}  // namespace

double HorizonDepressionSine(double heightMetres)
{
    return std::sin((kHorizonDipDegPerRootMetre * std::sqrt(heightMetres) + kSunCentreDepressionDeg)
                    * kDegToRad);
}

double HourAngleCosine(double declination, double latitude, double horizonSine)
{
    const double phi = latitude * kDegToRad;
    const double delta = declination * kDegToRad;
    return -((std::sin(phi) * std::sin(delta) + horizonSine) * (1 / std::cos(phi)) * (1 / std::cos(delta)));
}

HalfDayArcResult HalfDayArcFromCosine(double e)
{
    if (e > 1)
        return {0, PolarState::PolarNight};
    if (e < -1)
        return {180, PolarState::PolarDay};
    // The limits from inside the range; the formulas below would divide by zero.
    if (e == 1)
        return {0, PolarState::None};
    if (e == -1)
        return {180, PolarState::None};
    double arcRadians;
    if (e < 0)
        arcRadians = 2 * std::atan(1) + std::atan(std::fabs(e) / std::sqrt(1 - e * e));
    else
        arcRadians = 2 * std::atan(1) - std::atan(e / std::sqrt(1 - e * e));
    return {arcRadians * kRadToDeg, PolarState::None};
}

HalfDayArcResult HalfDayArc(double declination, double latitude, double horizonSine)
{
    return HalfDayArcFromCosine(HourAngleCosine(declination, latitude, horizonSine));
}

double SunEventTime(double longitude, double arcDegrees, double equationOfTime, int eventMode, int winterTime)
{
    const double hourAngle = eventMode == 1 ? kZoneNoonHourAngleDeg - longitude - arcDegrees
                                            : kZoneNoonHourAngleDeg - longitude + arcDegrees;
    double time = hourAngle * (1.0 / 15) - equationOfTime;
    if (winterTime != 0)
        time -= kWinterOffsetHours;
    return time;
}

}  // namespace solar
