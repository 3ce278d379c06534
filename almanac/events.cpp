// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a solar day: the three culminations first (the lower one
// before, the upper transit, the lower one after), each by a few Newton steps
// on the hour angle; then every event between a culmination and the transit,
// where the altitude runs one way, by a bracketing search.
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "almanac/almanac.h"
#include "almanac/events.h"
#include "almanac/sun.h"
#include "almanac/timescales.h"
#include "almanac/track.h"

namespace almanac {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kTwoPi = 2 * std::numbers::pi;
// The hour angle's mean rate, radians per day: the Earth's turn against the
// stars less the Sun's mean motion.
constexpr double kHourAngleRatePerDay = kTwoPi * 1.00273781191135448 - kTwoPi / 365.2422;
// An event is found to well under a millisecond.
constexpr double kEventToleranceDays = 1e-9;
constexpr int kMaxCulminationSteps = 12;
constexpr int kMaxBracketSteps = 80;

struct Site {
    double sinLatitude;
    double cosLatitude;
    double longitudeRadians;
};

Site siteOf(const Place &place)
{
    const double phi = place.latitudeDegrees * kDegToRad;
    return {std::sin(phi), std::cos(phi), place.longitudeDegrees * kDegToRad};
}

double hourAngleRadians(const Site &site, const SunPlace &sun, double utDays)
{
    return earthRotationAngleRadians(utDays) + site.longitudeRadians - sun.rightAscensionRadians;
}

double altitudeRadians(const Site &site, const SunPlace &sun, double utDays)
{
    const double sinAlt = site.sinLatitude * std::sin(sun.declinationRadians)
        + site.cosLatitude * std::cos(sun.declinationRadians) * std::cos(hourAngleRadians(site, sun, utDays));
    const double geocentric = std::asin(std::fmax(-1.0, std::fmin(1.0, sinAlt)));
    return geocentric - solarParallaxRadians(sun.distanceAu) * std::cos(geocentric);
}

// An angle brought into -π..π.
double wrapPi(double a) { return a - kTwoPi * std::floor((a + std::numbers::pi) / kTwoPi); }

// The instant near `guess` at which the Sun's hour angle is `target`
// (0: upper transit, π: lower culmination).
double culmination(const Site &site, const SunTrack &track, double guess, double target)
{
    double t = guess;
    for (int step = 0; step < kMaxCulminationSteps; ++step) {
        const double error = wrapPi(hourAngleRadians(site, track.at(t), t) - target);
        const double dt = error / kHourAngleRatePerDay;
        t -= dt;
        if (std::fabs(dt) < 1e-11)
            break;
    }
    return t;
}

// The instant between a and b at which the altitude crosses `level` (radians),
// given that it is below at one end and above at the other: the Illinois
// variant of the false position.
double crossing(const Site &site, const SunTrack &track, double a, double b, double level)
{
    double fa = altitudeRadians(site, track.at(a), a) - level;
    double fb = altitudeRadians(site, track.at(b), b) - level;
    int side = 0;
    double t = a;
    for (int step = 0; step < kMaxBracketSteps && b - a > kEventToleranceDays; ++step) {
        t = (a * fb - b * fa) / (fb - fa);
        const double ft = altitudeRadians(site, track.at(t), t) - level;
        if ((ft < 0) == (fa < 0)) {
            a = t;
            fa = ft;
            if (side == -1)
                fb /= 2;
            side = -1;
        } else {
            b = t;
            fb = ft;
            if (side == 1)
                fa /= 2;
            side = 1;
        }
        if (ft == 0)
            return t;
    }
    return (a + b) / 2;
}

// The Sun's azimuth from north through east (radians, 0..2π) at an instant;
// the parallax, which moves the Sun only in altitude to well under 0.001°
// here, is left out.
double azimuthRadians(const Site &site, const SunPlace &sun, double utDays)
{
    const double h = hourAngleRadians(site, sun, utDays);
    const double az = std::atan2(-std::cos(sun.declinationRadians) * std::sin(h),
                                 std::sin(sun.declinationRadians) * site.cosLatitude
                                     - std::cos(sun.declinationRadians) * site.sinLatitude * std::cos(h));
    return az < 0 ? az + kTwoPi : az;
}

// A level of the Sun's centre and where its rising and setting crossings go.
struct Level {
    double radians;
    std::optional<UtcSeconds> *rising;
    std::optional<UtcSeconds> *setting;
};

// Within about 130 km of a pole the Sun's daily circle is so small that its
// change of declination in a day can outrun it: the altitude no longer runs
// one way between a culmination and the transit, and a level may be crossed
// on the "wrong" side of noon, or more than once. There every crossing is
// looked for on a grid fine enough that the altitude, changing by at most
// a few hundredths of a degree per step, crosses a level once per step.
constexpr double kNearPoleCosLatitude = 0.02;  // |latitude| above 88.85°
constexpr int kNearPoleSteps = 144;  // ten minutes

// Every crossing of the levels from `lowerBefore` to `lowerAfter`, on the
// grid: the first rising and the last setting of each level are kept; the
// time above the level `horizonLevel` is returned, seconds.
double crossingsNearPole(const Site &site, const SunTrack &track, double lowerBefore, double lowerAfter,
                         std::span<const Level> levels, std::size_t horizonLevel)
{
    const double step = (lowerAfter - lowerBefore) / kNearPoleSteps;
    double t0 = lowerBefore;
    double f0 = altitudeRadians(site, track.at(t0), t0);
    double upSince = f0 > levels[horizonLevel].radians ? t0 : -1;
    double above = 0;
    for (int k = 1; k <= kNearPoleSteps; ++k) {
        const double t1 = k == kNearPoleSteps ? lowerAfter : lowerBefore + k * step;
        const double f1 = altitudeRadians(site, track.at(t1), t1);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const Level &l = levels[i];
            if (f0 < l.radians && f1 > l.radians) {
                const double t = crossing(site, track, t0, t1, l.radians);
                if (!*l.rising)
                    *l.rising = utcSecondsFromUtDays(t);
                if (i == horizonLevel)
                    upSince = t;
            } else if (f0 > l.radians && f1 < l.radians) {
                const double t = crossing(site, track, t0, t1, l.radians);
                *l.setting = utcSecondsFromUtDays(t);
                if (i == horizonLevel && upSince >= 0) {
                    above += t - upSince;
                    upSince = -1;
                }
            }
        }
        t0 = t1;
        f0 = f1;
    }
    if (upSince >= 0)
        above += lowerAfter - upSince;
    return above * kSecondsPerDay;
}

// The events of the solar day from `lowerBefore` over `transit` to `lowerAfter`.
SolarDay eventsBetween(const Place &place, const Site &site, const SunTrack &track, CivilDate date,
                       double lowerBefore, double transit, double lowerAfter)
{
    SolarDay day;
    day.date = date;
    day.events[static_cast<int>(Event::SolarNoon)] = utcSecondsFromUtDays(transit);

    const double altBefore = altitudeRadians(site, track.at(lowerBefore), lowerBefore);
    const double altNoon = altitudeRadians(site, track.at(transit), transit);
    const double altAfter = altitudeRadians(site, track.at(lowerAfter), lowerAfter);
    day.noonAltitudeDegrees = altNoon / kDegToRad;

    const auto event = [&](Event rising, Event setting) {
        return Level{eventAltitudeDegrees(rising, place.heightMetres) * kDegToRad,
                     &day.events[static_cast<int>(rising)], &day.events[static_cast<int>(setting)]};
    };
    const auto golden = [&day](GoldenHour rising, GoldenHour setting) {
        return Level{goldenHourAltitudeDegrees(rising) * kDegToRad, &day.goldenHour[static_cast<int>(rising)],
                     &day.goldenHour[static_cast<int>(setting)]};
    };
    constexpr std::size_t kHorizonLevel = 3;
    const Level levels[] = {
        event(Event::AstronomicalDawn, Event::AstronomicalDusk),
        event(Event::NauticalDawn, Event::NauticalDusk),
        event(Event::CivilDawn, Event::CivilDusk),
        event(Event::Sunrise, Event::Sunset),
        golden(GoldenHour::MorningStart, GoldenHour::EveningEnd),
        golden(GoldenHour::MorningEnd, GoldenHour::EveningStart),
    };
    const double horizon = levels[kHorizonLevel].radians;

    double length = 0;
    if (site.cosLatitude < kNearPoleCosLatitude) {
        length = crossingsNearPole(site, track, lowerBefore, lowerAfter, levels, kHorizonLevel);
    } else {
        for (const Level &l : levels) {
            if (altBefore < l.radians && altNoon > l.radians)
                *l.rising = utcSecondsFromUtDays(crossing(site, track, lowerBefore, transit, l.radians));
            if (altAfter < l.radians && altNoon > l.radians)
                *l.setting = utcSecondsFromUtDays(crossing(site, track, transit, lowerAfter, l.radians));
        }

        // The time the Sun spends above the horizon within this solar day:
        // where it rises and does not set again before the day ends (or set
        // without having risen in it), the part of the day after the rising
        // (before the setting).
        const std::optional<UtcSeconds> &rise = day[Event::Sunrise];
        const std::optional<UtcSeconds> &set = day[Event::Sunset];
        if (rise && set)
            length = *set - *rise;
        else if (rise)
            length = utcSecondsFromUtDays(lowerAfter) - *rise;
        else if (set)
            length = *set - utcSecondsFromUtDays(lowerBefore);
        else
            length = altNoon > horizon ? kSecondsPerDay : 0.0;
    }
    day.dayLengthSeconds = std::fmax(0.0, std::fmin(kSecondsPerDay, length));

    const auto azimuthDegreesAt = [&](UtcSeconds instant) {
        const double t = utDaysFromUtcSeconds(instant);
        return azimuthRadians(site, track.at(t), t) / kDegToRad;
    };
    if (const std::optional<UtcSeconds> &rise = day[Event::Sunrise])
        day.sunriseAzimuthDegrees = azimuthDegreesAt(*rise);
    if (const std::optional<UtcSeconds> &set = day[Event::Sunset])
        day.sunsetAzimuthDegrees = azimuthDegreesAt(*set);
    return day;
}

// The solar day's noon by the place's mean solar time, in UT days from J2000.0.
double meanNoonUtDays(std::int64_t unixDay, const Site &site)
{
    return static_cast<double>(unixDay) - kUnixEpochToJ2000Days + 0.5 - site.longitudeRadians / kTwoPi;
}

}  // namespace

double eventAltitudeDegrees(Event event, double heightMetres)
{
    switch (event) {
    case Event::AstronomicalDawn:
    case Event::AstronomicalDusk: return -18.0;
    case Event::NauticalDawn:
    case Event::NauticalDusk: return -12.0;
    case Event::CivilDawn:
    case Event::CivilDusk: return -6.0;
    case Event::Sunrise:
    case Event::Sunset: return -(0.833 + 0.0347 * std::sqrt(heightMetres));
    case Event::SolarNoon: break;
    }
    return 0.0;
}

double goldenHourAltitudeDegrees(GoldenHour edge)
{
    switch (edge) {
    case GoldenHour::MorningStart:
    case GoldenHour::EveningEnd: return -4.0;
    case GoldenHour::MorningEnd:
    case GoldenHour::EveningStart: break;
    }
    return 6.0;
}

double sunAltitudeDegrees(const Place &place, UtcSeconds instant)
{
    const double t = utDaysFromUtcSeconds(instant);
    return altitudeRadians(siteOf(place), sunApparentCirs(t), t) / kDegToRad;
}

// The track of a solar day holds the days around its date that the four-point
// interpolation reads, from the transit of the day before (needed for the
// lower culmination before, as the year table finds it) to the lower
// culmination after, whatever the longitude.
SolarDay solarDay(const Place &place, CivilDate date)
{
    const Site site = siteOf(place);
    const std::int64_t unixDay = daysFromCivil(date);
    const SunTrack track(unixDay - 2, 6);
    const double transitBefore = culmination(site, track, meanNoonUtDays(unixDay - 1, site), 0.0);
    const double transit = culmination(site, track, meanNoonUtDays(unixDay, site), 0.0);
    const double lowerBefore = culmination(site, track, transitBefore + 0.5, std::numbers::pi);
    const double lowerAfter = culmination(site, track, transit + 0.5, std::numbers::pi);
    return eventsBetween(place, site, track, date, lowerBefore, transit, lowerAfter);
}

namespace {

// The solar days of `count` days from `firstDay` (days from 1970-01-01), each
// dated by the place's mean solar time.
std::vector<SolarDay> solarDays(const Place &place, std::int64_t firstDay, int count)
{
    const Site site = siteOf(place);
    const SunTrack track(firstDay - 2, count + 4);

    std::vector<SolarDay> days;
    days.reserve(static_cast<std::size_t>(count));
    const double transitBefore = culmination(site, track, meanNoonUtDays(firstDay - 1, site), 0.0);
    double lowerBefore = culmination(site, track, transitBefore + 0.5, std::numbers::pi);
    for (int i = 0; i < count; ++i) {
        const double transit = culmination(site, track, meanNoonUtDays(firstDay + i, site), 0.0);
        const double lowerAfter = culmination(site, track, transit + 0.5, std::numbers::pi);
        days.push_back(
            eventsBetween(place, site, track, civilFromDays(firstDay + i), lowerBefore, transit, lowerAfter));
        lowerBefore = lowerAfter;
    }
    return days;
}

// The legal clock keeps within 26 hours of the place's mean time (the Line
// Islands' +14:00 at 157° W is 24.5 hours ahead of it).
constexpr int kMeanTimeMarginDays = 2;

}  // namespace

std::vector<SolarDay> yearTable(const Place &place, int year)
{
    const std::int64_t first = daysFromCivil({year, 1, 1});
    return solarDays(place, first, static_cast<int>(daysFromCivil({year + 1, 1, 1}) - first));
}

std::vector<SolarDay> yearTable(const Place &place, int year, const UtcOffsetAt &offsetAt)
{
    const std::int64_t first = daysFromCivil({year, 1, 1}) - kMeanTimeMarginDays;
    const auto count = static_cast<int>(daysFromCivil({year + 1, 1, 1}) + kMeanTimeMarginDays - first);
    std::vector<SolarDay> days = solarDays(place, first, count);
    std::erase_if(days, [&](SolarDay &day) {
        const std::int64_t noon = wholeSeconds(*day[Event::SolarNoon]);
        day.date = civilFromDays(localTime(noon, offsetAt(noon)).day);
        return day.date.year != year;
    });
    return days;
}

}  // namespace almanac
