// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/precisetips.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "almanac/timescales.h"
#include "solar/season.h"

namespace precisetips {

namespace {

// The clock time of an instant at an offset, rounded to the second, with the
// day named where it is not the window's date.
std::string clockText(almanac::UtcSeconds instant, int offsetSeconds, almanac::CivilDate date)
{
    const almanac::LocalTime local = almanac::localTime(almanac::wholeSeconds(instant), offsetSeconds);
    std::string text = almanac::durationText(local.secondOfDay);
    const std::int64_t day = local.day;
    const std::int64_t own = almanac::daysFromCivil(date);
    if (day > own)
        text += " järgmisel päeval";
    else if (day < own)
        text += " eelmisel päeval";
    return text;
}

}  // namespace

std::string LegalClockName(const LegalClock &legal)
{
    using solar::Season;
    if (legal.offsetSeconds == solar::OffsetSeconds(Season::Summer) && legal.daylightSaving)
        return std::string(solar::SeasonCaption(Season::Summer));
    if (legal.offsetSeconds == solar::OffsetSeconds(Season::Winter) && !legal.daylightSaving)
        return std::string(solar::SeasonCaption(Season::Winter));
    const int a = std::abs(legal.offsetSeconds);
    char buf[32];
    if (a % 3600 == 0)
        std::snprintf(buf, sizeof buf, "GMT %c%d", legal.offsetSeconds < 0 ? '-' : '+', a / 3600);
    else
        std::snprintf(buf, sizeof buf, "GMT %c%d:%02d", legal.offsetSeconds < 0 ? '-' : '+', a / 3600,
                      a / 60 % 60);
    std::string name = buf;
    if (legal.daylightSaving)
        name += std::string(", ") + std::string(solar::SeasonCaption(Season::Summer));
    return name;
}

std::string EventTip(const almanac::SolarDay &day, almanac::Event event, int shownOffsetSeconds,
                     const LegalClock &legal)
{
    const bool rising = event == almanac::Event::Sunrise;
    const std::optional<almanac::UtcSeconds> &instant = day[event];
    if (!instant) {
        const bool otherHappens = day[rising ? almanac::Event::Sunset : almanac::Event::Sunrise].has_value();
        std::string text
            = rising ? " Täpsemalt: Päike ei tõuse sel ööpäeval" : " Täpsemalt: Päike ei looju sel ööpäeval";
        if (!otherHappens)
            text
                += day.dayLengthSeconds > 0 ? ", on kogu aeg horisondi kohal" : ", on kogu aeg horisondi all";
        return text + " ";
    }
    std::string text = " Täpsemalt: " + clockText(*instant, shownOffsetSeconds, day.date);
    if (legal.offsetSeconds != shownOffsetSeconds)
        text += " (seaduslik aeg: " + clockText(*instant, legal.offsetSeconds, day.date) + ", "
            + LegalClockName(legal) + ")";
    return text + " ";
}

std::string OutOfRangeTip() { return " Täpsem aeg arvutatakse ainult aastatele 1900–3000 "; }

}  // namespace precisetips
