// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/sunlight.h"

#include "almanac/events.h"
#include "solar/formats.h"

namespace yearview {

namespace {

using namespace Qt::StringLiterals;
using almanac::GoldenHour;

// The overview writes decimals with a comma, as all its Estonian texts.
constexpr std::string_view kDecimalComma = ",";
constexpr std::size_t kCivilThreshold = 2;  // in kRising and kSetting

QString azimuthText(const std::optional<double> &azimuth)
{
    return azimuth ? QString::fromStdString(solar::FormatAzimuth(*azimuth, kDecimalComma)) : u"puudub"_s;
}

struct Edges {
    std::optional<double> from, to;
};

Edges edgesOf(const DayRow &row, LightPeriod period)
{
    const auto &civil = row.clockHours;
    const auto &golden = row.goldenHours;
    const auto civilEdge = [&](almanac::Event e) { return civil[std::size_t(e)]; };
    const auto goldenEdge = [&](GoldenHour e) { return golden[std::size_t(e)]; };
    switch (period) {
    case LightPeriod::MorningBlue:
        return {civilEdge(almanac::Event::CivilDawn), goldenEdge(GoldenHour::MorningStart)};
    case LightPeriod::MorningGolden:
        return {goldenEdge(GoldenHour::MorningStart), goldenEdge(GoldenHour::MorningEnd)};
    case LightPeriod::EveningGolden:
        return {goldenEdge(GoldenHour::EveningStart), goldenEdge(GoldenHour::EveningEnd)};
    case LightPeriod::EveningBlue:
        return {goldenEdge(GoldenHour::EveningEnd), civilEdge(almanac::Event::CivilDusk)};
    }
    return {};
}

// Where the Sun stands above a level during the date: from its rising through
// it (or the date's start) to its setting (or the date's end); without either,
// all day or not at all.
std::optional<HourSpan> above(const std::optional<double> &rise, const std::optional<double> &set,
                              bool aboveAllDay)
{
    if (rise || set)
        return HourSpan{rise.value_or(0), set.value_or(24)};
    if (aboveAllDay)
        return HourSpan{0, 24};
    return std::nullopt;
}

// The hours of `outer` that `inner` (which lies within it) leaves.
std::vector<HourSpan> without(const std::optional<HourSpan> &outer, const std::optional<HourSpan> &inner)
{
    if (!outer)
        return {};
    if (!inner)
        return {*outer};
    std::vector<HourSpan> spans;
    if (inner->from > outer->from)
        spans.push_back({outer->from, inner->from});
    if (outer->to > inner->to)
        spans.push_back({inner->to, outer->to});
    return spans;
}

}  // namespace

QString directionText(const almanac::SolarDay &day)
{
    return u"tõus "_s + azimuthText(day.sunriseAzimuthDegrees) + u", loojang "_s
        + azimuthText(day.sunsetAzimuthDegrees) + u", keskpäeval kõrgus "_s
        + QString::fromStdString(solar::FormatDegreesTenths(day.noonAltitudeDegrees, kDecimalComma));
}

QString lightPeriodName(LightPeriod period)
{
    static const QString names[kLightPeriodCount] = {u"Hommikune sinine tund"_s, u"Hommikune kuldne tund"_s,
                                                     u"Õhtune kuldne tund"_s, u"Õhtune sinine tund"_s};
    return names[int(period)];
}

QString lightPeriodText(const DayRow &row, LightPeriod period)
{
    const Edges edges = edgesOf(row, period);
    if (!edges.from && !edges.to)
        return u"puudub"_s;
    const auto edge = [](const std::optional<double> &hours) { return hours ? clockText(*hours) : u"…"_s; };
    return edge(edges.from) + u'–' + edge(edges.to);
}

QString lightText(const DayRow &row)
{
    QStringList parts;
    for (int p = 0; p < kLightPeriodCount; ++p)
        parts << lightPeriodName(LightPeriod(p)) + u' ' + lightPeriodText(row, LightPeriod(p));
    return parts.join(u"; "_s);
}

QString lightColumnHeader(int column)
{
    switch (column) {
    case 0: return u"Tõusu asimuut"_s;
    case 1: return u"Loojangu asimuut"_s;
    case 2: return u"Kõrgus keskpäeval"_s;
    default: return lightPeriodName(LightPeriod(column - 3));
    }
}

QString lightColumnText(const YearData &data, int row, int column)
{
    const almanac::SolarDay &day = data.days[std::size_t(row)];
    switch (column) {
    case 0: return azimuthText(day.sunriseAzimuthDegrees);
    case 1: return azimuthText(day.sunsetAzimuthDegrees);
    case 2: return QString::fromStdString(solar::FormatDegreesTenths(day.noonAltitudeDegrees, kDecimalComma));
    default: return lightPeriodText(data.rows[std::size_t(row)], LightPeriod(column - 3));
    }
}

std::vector<HourSpan> lightSpans(const DayRow &row, double noonAltitudeDegrees, bool golden)
{
    const auto &g = row.goldenHours;
    const auto levelAbove = [&](GoldenHour rising, GoldenHour setting, GoldenHour level) {
        return above(g[std::size_t(rising)], g[std::size_t(setting)],
                     noonAltitudeDegrees > almanac::goldenHourAltitudeDegrees(level));
    };
    const auto aboveSix
        = levelAbove(GoldenHour::MorningEnd, GoldenHour::EveningStart, GoldenHour::MorningEnd);
    const auto aboveFour
        = levelAbove(GoldenHour::MorningStart, GoldenHour::EveningEnd, GoldenHour::MorningStart);
    if (golden)
        return without(aboveFour, aboveSix);
    const auto civil = above(row.clockHours[std::size_t(almanac::Event::CivilDawn)],
                             row.clockHours[std::size_t(almanac::Event::CivilDusk)],
                             row.sky[kCivilThreshold] == Sky::AboveAllDay);
    return without(civil, aboveFour);
}

}  // namespace yearview
