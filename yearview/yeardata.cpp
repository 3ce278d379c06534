// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yeardata.h"

#include <QTimeZone>
#include <cmath>

#include "shell/legalclock.h"
#include "solar/results.h"
#include "solar/season.h"

namespace yearview {

namespace {

using namespace Qt::StringLiterals;

constexpr double kSecondsPerDay = 86400;

// An altitude the Sun does not cross lies either below the day's lowest point
// or above its highest. A higher altitude crossed (or a Sun that never sets)
// says the lowest point is above it; a lower one crossed says the highest point
// is below it.
std::array<Sky, kThresholdCount> skyOf(const almanac::SolarDay &day)
{
    std::array<bool, kThresholdCount> crossed{};
    for (int k = 0; k < kThresholdCount; ++k)
        crossed[std::size_t(k)]
            = day[kRising[std::size_t(k)]].has_value() || day[kSetting[std::size_t(k)]].has_value();
    std::array<Sky, kThresholdCount> sky{};
    for (int k = 0; k < kThresholdCount; ++k) {
        if (crossed[std::size_t(k)]) {
            sky[std::size_t(k)] = Sky::Crosses;
            continue;
        }
        bool higherCrossed = day.dayLengthSeconds >= kSecondsPerDay;
        for (int j = k + 1; j < kThresholdCount; ++j)
            higherCrossed = higherCrossed || crossed[std::size_t(j)];
        sky[std::size_t(k)] = higherCrossed ? Sky::AboveAllDay : Sky::BelowAllDay;
    }
    return sky;
}

solar::Observation withDate(solar::Observation obs, const QDate &date)
{
    obs.day = std::int16_t(date.day());
    obs.month = std::int16_t(date.month());
    obs.year = std::int16_t(date.year());
    return obs;
}

QString twoDigits(qint64 n) { return u"%1"_s.arg(n, 2, 10, QLatin1Char('0')); }

QString hms(qint64 seconds) { return QString::fromStdString(almanac::durationText(seconds)); }

const QString kWeekdays[] = {u"esmaspäev"_s, u"teisipäev"_s, u"kolmapäev"_s, u"neljapäev"_s,
                             u"reede"_s,     u"laupäev"_s,   u"pühapäev"_s};

// The text of one event in the readout.
QString eventText(const DayRow &row, almanac::Event event, int threshold, bool closing)
{
    if (const auto &hours = row.clockHours[std::size_t(event)])
        return clockText(*hours);
    const Sky sky = row.sky[std::size_t(threshold)];
    if (threshold == kThresholdCount - 1)
        return QString::fromUtf8(sky == Sky::AboveAllDay ? solar::kPolarDayText : solar::kPolarNightText);
    // A twilight that does not end has no dawn either: it lasts all night.
    if (sky == Sky::AboveAllDay)
        return closing ? u"ei lõpe"_s : u"kogu öö"_s;
    return u"puudub"_s;
}

}  // namespace

almanac::UtcOffsetAt overviewClock() { return legalClock(QTimeZone(kDefaultZoneId)); }

YearData computeYear(const YearRequest &request, const almanac::UtcOffsetAt &offsetAt)
{
    YearData data;
    data.request = request;
    data.days = almanac::yearTable(request.place, request.year);
    data.rows.reserve(data.days.size());
    for (const almanac::SolarDay &day : data.days) {
        DayRow row;
        row.date = QDate(day.date.year, day.date.month, day.date.day);
        const double midnightUtc = double(row.date.startOfDay(Qt::UTC).toSecsSinceEpoch());
        const auto noon = day[almanac::Event::SolarNoon];
        row.utcOffsetSeconds = offsetAt(std::llround(noon ? *noon : midnightUtc + kSecondsPerDay / 2));
        for (int e = 0; e < almanac::kEventCount; ++e) {
            const auto &instant = day.events[std::size_t(e)];
            if (!instant)
                continue;
            const int offset = offsetAt(std::llround(*instant));
            row.clockHours[std::size_t(e)] = (*instant + offset - midnightUtc) / 3600.0;
        }
        row.sky = skyOf(day);
        row.dayLengthSeconds = double(almanac::dayLengthWholeSeconds(day));

        const auto season = solar::SeasonForMonth(row.date.month());
        row.approxWinterTime = season == solar::Season::Winter;
        const solar::DayResults dayResults
            = solar::ComputeDayResults(withDate(request.observation, row.date), ",");
        for (int mode : {1, 2}) {
            const solar::ColumnResult column
                = solar::ComputeColumn(mode, dayResults.dayOfYear, dayResults.latitude, dayResults.longitude,
                                       row.approxWinterTime ? 1 : 0, dayResults.horizonSine);
            (mode == 1 ? row.approxSunriseText : row.approxSunsetText)
                = QString::fromStdString(column.texts[8]);
            if (column.polar == solar::PolarState::None)
                (mode == 1 ? row.approxSunriseHours : row.approxSunsetHours) = column.eventTime;
        }
        data.rows.push_back(row);
    }
    return data;
}

QString clockText(double hours)
{
    const auto seconds = qint64(std::llround(hours * 3600));
    const qint64 dayShift = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    QString text = hms(seconds - dayShift * 86400);
    if (dayShift > 0)
        text += u" (+%1)"_s.arg(dayShift);
    else if (dayShift < 0)
        text += u" (−%1)"_s.arg(-dayShift);
    return text;
}

QString offsetText(int seconds)
{
    const int magnitude = std::abs(seconds);
    return (seconds < 0 ? u"-"_s : u"+"_s) + twoDigits(magnitude / 3600) + u':'
        + twoDigits(magnitude / 60 % 60);
}

QString durationText(double seconds) { return hms(std::llround(seconds)); }

QString changeText(double seconds)
{
    const qint64 rounded = std::llround(seconds);
    if (rounded == 0)
        return u"0 s"_s;
    const qint64 magnitude = rounded < 0 ? -rounded : rounded;
    QString text = rounded < 0 ? u"−"_s : u"+"_s;
    if (magnitude >= 60)
        text += u"%1 min "_s.arg(magnitude / 60);
    return text + u"%1 s"_s.arg(magnitude % 60);
}

QString readoutText(const YearData &data, int index)
{
    const DayRow &row = data.rows[std::size_t(index)];
    using almanac::Event;
    QString text = kWeekdays[row.date.dayOfWeek() - 1] + u' ' + row.date.toString(u"dd.MM.yyyy"_s);
    text += u"; koit: astronoomiline "_s + eventText(row, Event::AstronomicalDawn, 0, false)
        + u", navigatsiooniline "_s + eventText(row, Event::NauticalDawn, 1, false) + u", tsiviil "_s
        + eventText(row, Event::CivilDawn, 2, false);
    text += u"; päikesetõus "_s + eventText(row, Event::Sunrise, 3, false);
    text += u"; keskpäev "_s
        + (row.clockHours[std::size_t(Event::SolarNoon)]
               ? clockText(*row.clockHours[std::size_t(Event::SolarNoon)])
               : u"puudub"_s);
    text += u"; päikeseloojang "_s + eventText(row, Event::Sunset, 3, true);
    text += u"; hämarik: tsiviil "_s + eventText(row, Event::CivilDusk, 2, true) + u", navigatsiooniline "_s
        + eventText(row, Event::NauticalDusk, 1, true) + u", astronoomiline "_s
        + eventText(row, Event::AstronomicalDusk, 0, true);
    text += u"; päeva pikkus "_s + durationText(row.dayLengthSeconds);
    if (index > 0)
        text += u" ("_s
            + changeText(row.dayLengthSeconds - data.rows[std::size_t(index - 1)].dayLengthSeconds)
            + u" eilsega võrreldes)"_s;
    return text;
}

QString titleText(const YearRequest &request)
{
    return u"Aasta ülevaade: "_s + request.placeName + u", "_s + QString::number(request.year);
}

QString monthAbbreviation(int month)
{
    static const QString names[] = {u"jaan"_s,  u"veebr"_s, u"märts"_s, u"apr"_s, u"mai"_s, u"juuni"_s,
                                    u"juuli"_s, u"aug"_s,   u"sept"_s,  u"okt"_s, u"nov"_s, u"dets"_s};
    return names[month - 1];
}

}  // namespace yearview
