// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/results.h"

#include "solar/calendar.h"
#include "solar/dayvalues.h"
#include "solar/formats.h"
#include "solar/orbit.h"

namespace solar {

DayResults ComputeDayResults(const Observation &obs, std::string_view decimalSeparator)
{
    DayResults r;
    r.latitude = DecimalLatitude(obs);
    r.longitude = DecimalLongitude(obs);
    r.dayOfYear = DayOfYear(obs.day, obs.month, obs.year);
    r.weekOfYear = WeekOfYear(r.dayOfYear, obs.year);
    r.weekdayName = WeekdayName(obs.day, obs.month, obs.year);
    r.horizonSine = HorizonDepressionSine(obs.heightMetres);
    r.rotationSpeedTenThousandths = ToTenThousandths(RotationSpeed(r.latitude));
    r.gravityTenThousandths = ToTenThousandths(SurfaceGravity(r.latitude, obs.heightMetres));
    r.dayWeekText = std::to_string(r.dayOfYear) + " / " + std::to_string(r.weekOfYear);
    r.rotationSpeedText = FormatTenThousandths(r.rotationSpeedTenThousandths, decimalSeparator) + " km/s";
    r.gravityText = "g = " + FormatTenThousandths(r.gravityTenThousandths, decimalSeparator);
    r.resultCaption = "Tulemus /" + r.weekdayName + "/:";
    return r;
}

std::string EventTimeText(double eventTime, PolarState polar)
{
    switch (polar) {
    case PolarState::PolarNight: return std::string(kPolarNightText);
    case PolarState::PolarDay: return std::string(kPolarDayText);
    case PolarState::None: break;
    }
    return FormatClockTime(eventTime);
}

ColumnResult ComputeColumn(int eventMode, std::int16_t dayOfYear, double latitude, double longitude,
                           int winterTime, double horizonSine)
{
    ColumnResult c;
    c.orbitAngle = OrbitAngleSinceNewYear(dayOfYear, eventMode);
    c.perihelionAngle = PerihelionAngle(c.orbitAngle);
    c.equinoxAngle = EquinoxAngle(c.perihelionAngle);
    c.declination = SunDeclination(c.equinoxAngle);
    c.noonHeight = NoonSunHeight(latitude, c.declination);
    c.equationOfTime = EquationOfTime(c.perihelionAngle, c.equinoxAngle);
    c.localNoon = LocalNoon(longitude, c.equationOfTime, winterTime);
    const HalfDayArcResult arc = HalfDayArc(c.declination, latitude, horizonSine);
    c.halfDayArc = arc.degrees;
    c.polar = arc.polar;
    c.eventTime = SunEventTime(longitude, c.halfDayArc, c.equationOfTime, eventMode, winterTime);

    c.texts = {
        FormatAngle(c.orbitAngle),    FormatAngle(c.perihelionAngle), FormatAngle(c.equinoxAngle),
        FormatAngle(c.declination),   FormatAngle(c.noonHeight),      FormatTimeDifference(c.equationOfTime),
        FormatClockTime(c.localNoon), FormatDayArc(c.halfDayArc),     EventTimeText(c.eventTime, c.polar)};
    return c;
}

}  // namespace solar
