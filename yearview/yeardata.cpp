// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yeardata.h"

#include <QFileInfo>
#include <QTimeZone>
#include <cmath>

#include "shell/legalclock.h"
#include "shell/text.h"
#include "solar/results.h"
#include "solar/season.h"
#include "yearview/sunlight.h"

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

QString hms(qint64 seconds) { return toQString(almanac::durationText(seconds)); }

const QString kWeekdays[] = {u"esmaspäev"_s, u"teisipäev"_s, u"kolmapäev"_s, u"neljapäev"_s,
                             u"reede"_s,     u"laupäev"_s,   u"pühapäev"_s};

const QString kEventNames[almanac::kEventCount] = {
    u"Astronoomilise hämariku algus"_s,
    u"Navigatsioonilise hämariku algus"_s,
    u"Tsiviilhämariku algus"_s,
    u"Päikesetõus"_s,
    u"Keskpäev"_s,
    u"Päikeseloojang"_s,
    u"Tsiviilhämariku lõpp"_s,
    u"Navigatsioonilise hämariku lõpp"_s,
    u"Astronoomilise hämariku lõpp"_s,
};

// The text of an event that does not happen on the date.
QString missingEventText(const DayRow &row, int threshold, bool rising)
{
    const Sky sky = row.sky[std::size_t(threshold)];
    if (threshold == kThresholdCount - 1) {
        if (sky == Sky::AboveAllDay)
            return u"päike ei looju (polaarpäev)"_s;
        if (sky == Sky::BelowAllDay)
            return u"päike ei tõuse (polaaröö)"_s;
        return rising ? u"päike ei tõuse"_s : u"päike ei looju"_s;
    }
    // The Sun stays above the altitude all night: the twilight lasts till morning.
    if (sky == Sky::AboveAllDay)
        return u"puudub (hämarik kogu öö)"_s;
    return u"puudub"_s;
}

// The file name's form of a place: lower case, words joined by hyphens.
QString slug(const QString &name)
{
    QString out;
    for (const QChar c : name.toLower()) {
        if (c.isLetterOrNumber())
            out += c;
        else if (!out.isEmpty() && !out.endsWith(u'-'))
            out += u'-';
    }
    while (out.endsWith(u'-'))
        out.chop(1);
    return out;
}

}  // namespace

OverviewClock overviewClock()
{
    // Qt reads the zone files itself; a system without them (or a $TZDIR
    // without the zone) would give offsets of zero under the legal clock's name.
    const QString folder = qEnvironmentVariable("TZDIR", u"/usr/share/zoneinfo"_s);
    const QTimeZone zone(kDefaultZoneId);
    if (!zone.isValid() || !QFileInfo(folder + u'/' + QLatin1StringView(kDefaultZoneId)).isReadable())
        return {legalClock(QTimeZone::utc()), u"UTC"_s, true};
    return {legalClock(zone), u"Eesti seaduslik aeg"_s, false};
}

YearData computeYear(const YearRequest &request, const OverviewClock &clock)
{
    YearData data;
    data.request = request;
    data.clock = clock;
    const almanac::UtcOffsetAt &offsetAt = clock.offsetAt;
    data.days = almanac::yearTable(request.place, request.year, offsetAt);
    data.rows.reserve(data.days.size());
    for (const almanac::SolarDay &day : data.days) {
        DayRow row;
        row.date = QDate(day.date.year, day.date.month, day.date.day);
        const double midnightUtc = double(row.date.startOfDay(Qt::UTC).toSecsSinceEpoch());
        const auto noon = day[almanac::Event::SolarNoon];
        row.utcOffsetSeconds = offsetAt(std::llround(noon ? *noon : midnightUtc + kSecondsPerDay / 2));
        const auto toClockHours = [&](const auto &instants, auto &hours) {
            for (std::size_t e = 0; e < instants.size(); ++e)
                if (const auto &instant = instants[e])
                    hours[e] = (*instant + offsetAt(std::llround(*instant)) - midnightUtc) / 3600.0;
        };
        toClockHours(day.events, row.clockHours);
        toClockHours(day.goldenHour, row.goldenHours);
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
            (mode == 1 ? row.approxSunriseText : row.approxSunsetText) = toQString(column.texts[8]);
            if (column.polar == solar::PolarState::None)
                (mode == 1 ? row.approxSunriseHours : row.approxSunsetHours) = column.eventTime;
        }
        data.rows.push_back(row);
    }
    data.keyDates = almanac::keyDates(request.place, data.days, offsetAt);
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

QString offsetText(int seconds) { return toQString(almanac::utcOffsetText(seconds)); }

QString durationText(double seconds)
{
    const qint64 total = std::llround(seconds);
    return u"%1 h %2 min %3 s"_s.arg(total / 3600).arg(twoDigits(total / 60 % 60), twoDigits(total % 60));
}

QString changeText(double seconds)
{
    const qint64 rounded = std::llround(seconds);
    if (rounded == 0)
        return u"eilsega sama pikk"_s;
    const qint64 magnitude = rounded < 0 ? -rounded : rounded;
    QString text = u"eilsest "_s;
    if (magnitude >= 60)
        text += u"%1 min "_s.arg(magnitude / 60);
    return text + u"%1 s "_s.arg(magnitude % 60) + (rounded < 0 ? u"lühem"_s : u"pikem"_s);
}

QString eventName(almanac::Event event) { return kEventNames[int(event)]; }

QString eventText(const DayRow &row, almanac::Event event)
{
    if (const auto &hours = row.clockHours[std::size_t(event)])
        return clockText(*hours);
    for (int k = 0; k < kThresholdCount; ++k) {
        if (kRising[std::size_t(k)] == event || kSetting[std::size_t(k)] == event)
            return missingEventText(row, k, kRising[std::size_t(k)] == event);
    }
    return u"puudub"_s;
}

QString readoutText(const YearData &data, int index)
{
    const DayRow &row = data.rows[std::size_t(index)];
    QString text = kWeekdays[row.date.dayOfWeek() - 1] + u' ' + row.date.toString(u"dd.MM.yyyy"_s);
    for (int e = 0; e < almanac::kEventCount; ++e)
        text += u"; "_s + eventName(almanac::Event(e)) + u' ' + eventText(row, almanac::Event(e));
    text += u"; Päeva pikkus "_s + durationText(row.dayLengthSeconds);
    if (index > 0)
        text += u" ("_s
            + changeText(row.dayLengthSeconds - data.rows[std::size_t(index - 1)].dayLengthSeconds) + u')';
    return text + u"; "_s + directionText(data.days[std::size_t(index)]) + u"; "_s + lightText(row);
}

QString titleText(const YearRequest &request)
{
    return u"Aasta ülevaade: "_s + request.placeName + u", "_s + QString::number(request.year);
}

QString chartTitle(const YearData &data)
{
    return u"Päikesetõus, -loojang ja hämarik (%1)"_s.arg(data.clock.name);
}

QString pictureTitle(const YearData &data)
{
    return data.request.placeName + u", "_s + QString::number(data.request.year) + u" — "_s + data.clock.name;
}

QString fileBaseName(const YearRequest &request)
{
    QString place = slug(request.placeName);
    // A place given by its coordinates: degrees and minutes north and east.
    if (request.placeName.contains(u'°')) {
        const solar::Observation &o = request.observation;
        place = u"%1n%2-%3%4%5"_s.arg(o.latitudeDegrees)
                    .arg(twoDigits(o.latitudeMinutes))
                    .arg(std::abs(o.longitudeDegrees))
                    .arg(o.longitudeNegative ? u"l"_s : u"i"_s)
                    .arg(twoDigits(o.longitudeMinutes));
    }
    return u"päike-"_s + (place.isEmpty() ? QString() : place + u'-') + QString::number(request.year);
}

QString monthAbbreviation(int month)
{
    static const QString names[] = {u"jaan."_s, u"veebr."_s, u"märts"_s, u"apr."_s, u"mai"_s,  u"juuni"_s,
                                    u"juuli"_s, u"aug."_s,   u"sept."_s, u"okt."_s, u"nov."_s, u"dets."_s};
    return names[month - 1];
}

}  // namespace yearview
