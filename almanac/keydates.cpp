// SPDX-License-Identifier: GPL-3.0-or-later
// The key dates of a year: the Sun's turning points by root-finding on its
// precise place, the clock's changes by bisection on the legal clock, and
// the rest read from the year table.
#include "almanac/keydates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "almanac/events.h"
#include "almanac/sun.h"
#include "almanac/timescales.h"

namespace almanac {

namespace {

constexpr std::array<std::string_view, kKeyDateKindCount> kKindNames = {
    "march_equinox",
    "june_solstice",
    "september_equinox",
    "december_solstice",
    "perihelion",
    "aphelion",
    "clock_forward",
    "clock_back",
    "longest_day",
    "shortest_day",
    "earliest_sunrise",
    "latest_sunrise",
    "earliest_sunset",
    "latest_sunset",
    "polar_day_begin",
    "polar_day_end",
    "polar_night_begin",
    "polar_night_end",
    "white_nights_begin",
    "white_nights_end",
    "nautical_white_nights_begin",
    "nautical_white_nights_end",
};

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kTropicalYearDays = 365.2422;
// The Sun's mean motion in ecliptic longitude, radians per day.
constexpr double kMeanLongitudeRatePerDay = kTwoPi / kTropicalYearDays;
// The equinoxes and solstices are found to a millisecond; the Sun's
// longitude is evaluated a handful of times for each.
constexpr double kSeasonToleranceDays = 1e-8;
constexpr int kMaxSeasonSteps = 12;
// The Earth's distance has one least and one greatest value in each orbit,
// half a year apart; a ten-day grid brackets each alone. Found to 0.1 s.
constexpr double kDistanceGridDays = 10;
constexpr double kDistanceToleranceDays = 1e-6;
constexpr std::int64_t kClockGridSeconds = 6 * 3600;

// An angle brought into -π..π.
double wrapPi(double a) { return a - kTwoPi * std::floor((a + std::numbers::pi) / kTwoPi); }

// The boundary between `before` (where `isAfter` is false) and `after`
// (where it is true), narrowed by halves until they are `tolerance` apart;
// returns the side where it is true.
template<class T, class Predicate>
T bisect(T before, T after, T tolerance, Predicate isAfter)
{
    while (after - before > tolerance) {
        const T middle = before + (after - before) / 2;
        (isAfter(middle) ? after : before) = middle;
    }
    return after;
}

// The UTC second at which a local date begins on the legal clock.
std::int64_t localMidnightUtc(CivilDate date, const UtcOffsetAt &offsetAt)
{
    const std::int64_t local = daysFromCivil(date) * 86400;
    return local - offsetAt(local - offsetAt(local));
}

// The UT instant (days from J2000.0) near `guess` at which the Sun's apparent
// longitude is `target`: secant steps on the longitude, which grows by
// 0.95° to 1.02° a day.
double whenSunLongitude(double target, double guess)
{
    double t0 = guess;
    double e0 = wrapPi(sunApparentLongitudeRadians(t0) - target);
    double t1 = t0 - e0 / kMeanLongitudeRatePerDay;
    for (int step = 0; step < kMaxSeasonSteps; ++step) {
        const double e1 = wrapPi(sunApparentLongitudeRadians(t1) - target);
        if (e1 == e0)
            break;
        const double t2 = t1 - e1 * (t1 - t0) / (e1 - e0);
        t0 = t1;
        e0 = e1;
        t1 = t2;
        if (std::fabs(t1 - t0) < kSeasonToleranceDays)
            break;
    }
    return t1;
}

KeyDate atInstant(KeyDateKind kind, UtcSeconds instant)
{
    return {kind, instant, std::nullopt, std::nullopt, std::nullopt};
}

UtcSeconds noonOf(const SolarDay &day)
{
    return day[Event::SolarNoon].value_or(static_cast<double>(daysFromCivil(day.date)) * kSecondsPerDay
                                          + kSecondsPerDay / 2);
}

KeyDate onDate(KeyDateKind kind, const SolarDay &day)
{
    return {kind, noonOf(day), day.date, std::nullopt, std::nullopt};
}

void addSeasons(std::vector<KeyDate> &out, int year, UtcSeconds begin, UtcSeconds end)
{
    // Near 20 March, and a quarter of a tropical year apart.
    const double march20 = static_cast<double>(daysFromCivil({year, 3, 20})) - kUnixEpochToJ2000Days;
    for (int k = 0; k < 4; ++k) {
        const double t = whenSunLongitude(k * std::numbers::pi / 2, march20 + k * kTropicalYearDays / 4);
        const UtcSeconds instant = utcSecondsFromUtDays(t);
        if (instant >= begin && instant < end)
            out.push_back(atInstant(static_cast<KeyDateKind>(static_cast<int>(KeyDateKind::MarchEquinox) + k),
                                    instant));
    }
}

void addApsides(std::vector<KeyDate> &out, UtcSeconds begin, UtcSeconds end)
{
    const double first = utDaysFromUtcSeconds(begin);
    const double last = utDaysFromUtcSeconds(end);
    double t0 = first;
    double rate0 = earthSunDistance(t0).auPerDay;
    while (t0 < last) {
        const double t1 = std::fmin(t0 + kDistanceGridDays, last);
        const double rate1 = earthSunDistance(t1).auPerDay;
        if ((rate0 < 0) != (rate1 < 0)) {
            // Approaching, then receding: the nearest point; and the other way.
            const bool nearest = rate0 < 0;
            const double t = bisect(t0, t1, kDistanceToleranceDays,
                                    [&](double u) { return (earthSunDistance(u).auPerDay < 0) != nearest; });
            out.push_back(atInstant(nearest ? KeyDateKind::Perihelion : KeyDateKind::Aphelion,
                                    utcSecondsFromUtDays(t)));
        }
        t0 = t1;
        rate0 = rate1;
    }
}

void addClockChanges(std::vector<KeyDate> &out, std::int64_t begin, std::int64_t end,
                     const UtcOffsetAt &offsetAt)
{
    std::int64_t t0 = begin;
    int offset0 = offsetAt(t0);
    while (t0 < end) {
        const std::int64_t t1 = std::min(t0 + kClockGridSeconds, end);
        const int offset1 = offsetAt(t1);
        if (offset1 != offset0) {
            const std::int64_t change
                = bisect(t0, t1, std::int64_t{1}, [&](std::int64_t t) { return offsetAt(t) != offset0; });
            const int now = offsetAt(change);
            out.push_back({now > offset0 ? KeyDateKind::ClockForward : KeyDateKind::ClockBack,
                           static_cast<UtcSeconds>(change), std::nullopt, now, std::nullopt});
        }
        t0 = t1;
        offset0 = offset1;
    }
}

// Where the Sun rises and sets: the dates of the longest and the shortest
// day as the table writes it (whole seconds; the exact length decides a tie).
void addDayLengths(std::vector<KeyDate> &out, const std::vector<SolarDay> &days)
{
    const SolarDay *longest = nullptr;
    const SolarDay *shortest = nullptr;
    const auto lengthOf = [](const SolarDay &d) {
        return std::pair{dayLengthWholeSeconds(d), d.dayLengthSeconds};
    };
    for (const SolarDay &day : days) {
        if (!day[Event::Sunrise] || !day[Event::Sunset])
            continue;
        if (!longest || lengthOf(*longest) < lengthOf(day))
            longest = &day;
        if (!shortest || lengthOf(day) < lengthOf(*shortest))
            shortest = &day;
    }
    for (auto [kind, day] :
         {std::pair{KeyDateKind::LongestDay, longest}, std::pair{KeyDateKind::ShortestDay, shortest}})
        if (day) {
            KeyDate key = onDate(kind, *day);
            key.dayLengthSeconds = dayLengthWholeSeconds(*day);
            out.push_back(key);
        }
}

// The earliest and latest of an event by the legal clock's time of day,
// counted from the midnight that begins the event's date (a sunset after
// midnight is late, not early).
void addExtremeTimes(std::vector<KeyDate> &out, const std::vector<SolarDay> &days, Event event,
                     KeyDateKind earliestKind, KeyDateKind latestKind, const UtcOffsetAt &offsetAt)
{
    std::optional<std::pair<double, UtcSeconds>> earliest;
    std::optional<std::pair<double, UtcSeconds>> latest;
    for (const SolarDay &day : days) {
        const std::optional<UtcSeconds> &instant = day[event];
        if (!instant)
            continue;
        const double clock = *instant + offsetAt(wholeSeconds(*instant))
            - static_cast<double>(daysFromCivil(day.date)) * kSecondsPerDay;
        if (!earliest || clock < earliest->first)
            earliest = {clock, *instant};
        if (!latest || clock > latest->first)
            latest = {clock, *instant};
    }
    if (earliest) {
        out.push_back(atInstant(earliestKind, earliest->second));
        out.push_back(atInstant(latestKind, latest->second));
    }
}

// Whether the Sun's centre gets above `level` at the noon of a day whose
// rising through it (`dawn`) may be missing: any event at or above that level
// says so; a day without any needs the altitude itself.
bool aboveAtNoon(const Place &place, const SolarDay &day, int dawn, double level)
{
    for (int e = dawn; e < kEventCount - dawn; ++e)
        if (e != static_cast<int>(Event::SolarNoon) && day.events[static_cast<std::size_t>(e)])
            return true;
    return day.dayLengthSeconds > 0 || sunAltitudeDegrees(place, noonOf(day)) > level;
}

// The first and last dates of each run of dates in `inRun` (one per date of
// the year, with the date before the year first and the date after it last).
void addRuns(std::vector<KeyDate> &out, const std::vector<SolarDay> &days, const std::vector<bool> &inRun,
             KeyDateKind beginKind, KeyDateKind endKind)
{
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (!inRun[i + 1])
            continue;
        if (!inRun[i])
            out.push_back(onDate(beginKind, days[i]));
        if (!inRun[i + 2])
            out.push_back(onDate(endKind, days[i]));
    }
}

void addPeriods(std::vector<KeyDate> &out, const Place &place, const std::vector<SolarDay> &days)
{
    const std::int64_t first = daysFromCivil(days.front().date);
    std::vector<SolarDay> around;
    around.reserve(days.size() + 2);
    around.push_back(solarDay(place, civilFromDays(first - 1)));
    around.insert(around.end(), days.begin(), days.end());
    around.push_back(solarDay(place, civilFromDays(daysFromCivil(days.back().date) + 1)));

    const auto runOf = [&](auto inRun) {
        std::vector<bool> run(around.size());
        std::transform(around.begin(), around.end(), run.begin(), inRun);
        return run;
    };
    const auto noRiseOrSet = [](const SolarDay &d) { return !d[Event::Sunrise] && !d[Event::Sunset]; };
    addRuns(out, days, runOf([&](const SolarDay &d) { return noRiseOrSet(d) && d.dayLengthSeconds > 0; }),
            KeyDateKind::PolarDayBegin, KeyDateKind::PolarDayEnd);
    addRuns(out, days, runOf([&](const SolarDay &d) { return noRiseOrSet(d) && d.dayLengthSeconds <= 0; }),
            KeyDateKind::PolarNightBegin, KeyDateKind::PolarNightEnd);

    // A date's night is the one after its evening: white where the Sun does
    // not set through the level, having been above it.
    const auto whiteAt = [&](Event dawn, Event dusk) {
        const double level = eventAltitudeDegrees(dusk, place.heightMetres);
        return runOf([&](const SolarDay &d) {
            return !d[dusk] && aboveAtNoon(place, d, static_cast<int>(dawn), level);
        });
    };
    addRuns(out, days, whiteAt(Event::AstronomicalDawn, Event::AstronomicalDusk),
            KeyDateKind::WhiteNightsBegin, KeyDateKind::WhiteNightsEnd);
    addRuns(out, days, whiteAt(Event::NauticalDawn, Event::NauticalDusk),
            KeyDateKind::NauticalWhiteNightsBegin, KeyDateKind::NauticalWhiteNightsEnd);
}

}  // namespace

std::string_view keyDateKindName(KeyDateKind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

std::vector<KeyDate> keyDates(const Place &place, const std::vector<SolarDay> &days,
                              const UtcOffsetAt &offsetAt)
{
    std::vector<KeyDate> out;
    if (days.empty())
        return out;
    const int year = days.front().date.year;
    const std::int64_t begin = localMidnightUtc({year, 1, 1}, offsetAt);
    const std::int64_t end = localMidnightUtc({year + 1, 1, 1}, offsetAt);

    addSeasons(out, year, static_cast<UtcSeconds>(begin), static_cast<UtcSeconds>(end));
    addApsides(out, static_cast<UtcSeconds>(begin), static_cast<UtcSeconds>(end));
    addClockChanges(out, begin, end, offsetAt);
    addDayLengths(out, days);
    addExtremeTimes(out, days, Event::Sunrise, KeyDateKind::EarliestSunrise, KeyDateKind::LatestSunrise,
                    offsetAt);
    addExtremeTimes(out, days, Event::Sunset, KeyDateKind::EarliestSunset, KeyDateKind::LatestSunset,
                    offsetAt);
    addPeriods(out, place, days);

    std::stable_sort(out.begin(), out.end(),
                     [](const KeyDate &a, const KeyDate &b) { return a.instant < b.instant; });
    return out;
}

std::vector<KeyDate> keyDates(const Place &place, int year, const UtcOffsetAt &offsetAt)
{
    return keyDates(place, yearTable(place, year, offsetAt), offsetAt);
}

std::string keyDatesCsv(const std::vector<KeyDate> &dates, const UtcOffsetAt &offsetAt)
{
    std::string out = "instant,kind,detail\r\n";
    for (const KeyDate &key : dates) {
        out += key.date ? dateText(*key.date) : localDateTimeText(key.instant, offsetAt);
        out += ',';
        out += keyDateKindName(key.kind);
        out += ',';
        if (key.newOffsetSeconds)
            out += utcOffsetText(*key.newOffsetSeconds);
        if (key.dayLengthSeconds)
            out += durationText(*key.dayLengthSeconds);
        out += "\r\n";
    }
    return out;
}

}  // namespace almanac
