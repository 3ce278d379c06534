// SPDX-License-Identifier: GPL-3.0-or-later
// The year table as text: one CSV row per date, the events in the legal
// clock's local time with its offset at each instant.
#include <cstdio>
#include <cstdlib>

#include "almanac/almanac.h"
#include "almanac/timescales.h"

namespace almanac {

namespace {

constexpr char kHeader[] = "date,astronomical_dawn,nautical_dawn,civil_dawn,sunrise,solar_noon,sunset,"
                           "civil_dusk,nautical_dusk,astronomical_dusk,day_length";
constexpr char kExtraHeader[] = ",sunrise_azimuth,sunset_azimuth,noon_altitude,morning_golden_hour_start,"
                                "morning_golden_hour_end,evening_golden_hour_start,evening_golden_hour_end";
constexpr char kLineEnd[] = "\r\n";

void appendDate(std::string &out, CivilDate d)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    out += buf;
}

// An angle with a point and `decimals` decimals; an azimuth that rounds to
// 360 reads 0, and an angle that rounds to zero has no sign.
void appendAngle(std::string &out, double degrees, int decimals, bool isAzimuth)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, degrees);
    const double written = std::strtod(buf, nullptr);
    if ((isAzimuth && written >= 360.0) || written == 0.0)
        std::snprintf(buf, sizeof buf, "%.*f", decimals, 0.0);
    out += buf;
}

void appendInstant(std::string &out, const std::optional<UtcSeconds> &instant, const UtcOffsetAt &offsetAt)
{
    out += ',';
    if (instant)
        out += localDateTimeText(*instant, offsetAt);
}

}  // namespace

std::string localDateTimeText(UtcSeconds instant, const UtcOffsetAt &offsetAt)
{
    const std::int64_t utc = wholeSeconds(instant);
    const int offset = offsetAt(utc);
    const LocalTime local = localTime(utc, offset);

    std::string out;
    appendDate(out, civilFromDays(local.day));
    out += 'T';
    out += durationText(local.secondOfDay);
    out += utcOffsetText(offset);
    return out;
}

std::string utcOffsetText(int offsetSeconds)
{
    char buf[32];
    const int a = std::abs(offsetSeconds);
    const char sign = offsetSeconds < 0 ? '-' : '+';
    // ISO 8601 has no seconds in an offset; the rare historical offset that
    // has them (local mean times) is written with them, as +HH:MM:SS.
    if (a % 60 == 0)
        std::snprintf(buf, sizeof buf, "%c%02d:%02d", sign, a / 3600, a / 60 % 60);
    else
        std::snprintf(buf, sizeof buf, "%c%02d:%02d:%02d", sign, a / 3600, a / 60 % 60, a % 60);
    return buf;
}

std::string dateText(CivilDate date)
{
    std::string out;
    appendDate(out, date);
    return out;
}

std::string durationText(std::int64_t seconds)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return buf;
}

std::int64_t dayLengthWholeSeconds(const SolarDay &day)
{
    const std::optional<UtcSeconds> &rise = day[Event::Sunrise];
    const std::optional<UtcSeconds> &set = day[Event::Sunset];
    return rise && set ? wholeSeconds(*set) - wholeSeconds(*rise) : wholeSeconds(day.dayLengthSeconds);
}

std::string yearCsv(const std::vector<SolarDay> &days, const UtcOffsetAt &offsetAt)
{
    return yearCsv(days, offsetAt, CsvColumns::Events);
}

std::string yearCsv(const std::vector<SolarDay> &days, const UtcOffsetAt &offsetAt, CsvColumns columns)
{
    const bool extra = columns == CsvColumns::WithExtra;
    std::string out;
    out.reserve(32 + days.size() * (extra ? 390 : 260));
    out += kHeader;
    if (extra)
        out += kExtraHeader;
    out += kLineEnd;
    for (const SolarDay &day : days) {
        appendDate(out, day.date);
        for (const std::optional<UtcSeconds> &event : day.events)
            appendInstant(out, event, offsetAt);
        out += ',';
        out += durationText(dayLengthWholeSeconds(day));
        if (extra) {
            for (const std::optional<double> &azimuth :
                 {day.sunriseAzimuthDegrees, day.sunsetAzimuthDegrees}) {
                out += ',';
                if (azimuth)
                    appendAngle(out, *azimuth, 1, true);
            }
            out += ',';
            appendAngle(out, day.noonAltitudeDegrees, 2, false);
            for (const std::optional<UtcSeconds> &edge : day.goldenHour)
                appendInstant(out, edge, offsetAt);
        }
        out += kLineEnd;
    }
    return out;
}

}  // namespace almanac
