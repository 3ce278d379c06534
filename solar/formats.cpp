// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/formats.h"

#include <cmath>

#include "solar/rounding.h"

namespace solar {

namespace {

std::string wholeText(double wholeNumber) { return std::to_string(static_cast<long long>(wholeNumber)); }

std::string twoDigits(double wholeNumber)
{
    std::string text = wholeText(wholeNumber);
    return wholeNumber < 10 ? "0" + text : text;
}

}  // namespace

std::string FormatAngle(double degrees)
{
    const double a = std::fabs(degrees);
    const double wholeDegrees = truncateTowardZero(a);
    const double m = (a - wholeDegrees) * 60;
    const double minutes = truncateTowardZero(m);
    const double s = (m - minutes) * 60;
    const double seconds = roundHalfUp(s);
    const bool showMinus = degrees < 0 && (wholeDegrees != 0 || minutes != 0 || seconds != 0);
    return (showMinus ? "-" : "") + wholeText(wholeDegrees) + "° " + twoDigits(minutes) + "' "
        + twoDigits(seconds) + "''";
}

std::string FormatTimeDifference(double hours)
{
    const double m = std::fabs(hours * 60);
    const double minutes = truncateTowardZero(m);
    const double s = (m - minutes) * 60;
    const double seconds = roundHalfUp(s);
    const bool showMinus = hours < 0 && (minutes != 0 || seconds != 0);
    std::string text = (showMinus ? "-" : "") + wholeText(minutes);
    if (seconds == 0)
        return text + "min";
    return text + "min " + wholeText(seconds) + "sek";
}

std::string FormatClockTime(double hours)
{
    double y = hours;
    if (hours < 0)
        y = hours + 24;
    else if (hours > 24)
        y = hours - 24;
    const double wholeHours = truncateTowardZero(y);
    const double m = (y - wholeHours) * 60;
    const double minutes = truncateTowardZero(m);
    const double seconds = roundHalfEven((m - minutes) * 60);
    return twoDigits(wholeHours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

std::string FormatDayArc(double arcDegrees)
{
    const double t = arcDegrees / 15;
    const double wholeHours = truncateTowardZero(t);
    const double m = (t - wholeHours) * 60;
    const double minutes = truncateTowardZero(m);
    const double seconds = roundHalfEven((m - minutes) * 60);
    return wholeText(wholeHours) + "h " + wholeText(minutes) + "m " + wholeText(seconds) + "s";
}

namespace {

// Whole tenths of a degree, halves to even.
double tenths(double degrees) { return roundHalfEven(degrees * 10); }

}  // namespace

std::string FormatDegreesTenths(double degrees, std::string_view decimalPoint)
{
    const double t = tenths(degrees);
    const double magnitude = std::fabs(t);
    std::string text = t < 0 ? "-" : "";
    text += std::to_string(static_cast<long long>(magnitude) / 10);
    text += decimalPoint;
    text += std::to_string(static_cast<long long>(magnitude) % 10);
    return text + "°";
}

std::string_view CompassPoint(double azimuthDegrees)
{
    static constexpr std::string_view kPoints[]
        = {"põhi", "kirre", "ida", "kagu", "lõuna", "edel", "lääs", "loe"};
    constexpr double kSectorDegrees = 45;
    const double turned = std::fmod(azimuthDegrees + kSectorDegrees / 2, 360.0);
    const auto sector = static_cast<int>(std::floor((turned < 0 ? turned + 360 : turned) / kSectorDegrees));
    return kPoints[sector % 8];
}

std::string FormatAzimuth(double azimuthDegrees, std::string_view decimalPoint)
{
    double shown = tenths(azimuthDegrees) / 10;
    if (shown >= 360)
        shown = 0;
    return FormatDegreesTenths(shown, decimalPoint) + " (" + std::string(CompassPoint(shown)) + ")";
}

}  // namespace solar
