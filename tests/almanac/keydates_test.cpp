// SPDX-License-Identifier: GPL-3.0-or-later
// The key dates of a year: the Sun's turning points and the periods against
// an independent ephemeris (PyEphem, kept as data with the script that made
// it: make_keydates_reference.py), the clock's changes, the extremes of the
// year table, and the CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac.h"
#include "almanac/keydates.h"
#include "almanac/timescales.h"

using almanac::CivilDate;
using almanac::KeyDate;
using almanac::KeyDateKind;
using almanac::Place;

namespace {

const Place kTallinn{59.437, 24.745, 0};
const Place kTromso{69.65, 18.96, 0};

almanac::UtcOffsetAt fixedOffset(int seconds)
{
    return [seconds](std::int64_t) { return seconds; };
}

// Europe/Tallinn's clock in 2026: summer time from 29 March to 25 October,
// 01:00 UTC both.
constexpr std::int64_t kForward2026 = 1774746000;  // 2026-03-29T01:00:00Z
constexpr std::int64_t kBack2026 = 1792890000;  // 2026-10-25T01:00:00Z
int tallinnClock2026(std::int64_t t) { return t >= kForward2026 && t < kBack2026 ? 10800 : 7200; }

struct ReferenceRow {
    std::string place;
    Place where;
    int year;
    std::string kind;
    std::string value;  // TT seconds from 1970, or a date
    double marginDegrees;  // periods only
};

std::vector<ReferenceRow> readReference()
{
    std::ifstream in(VORANDEL_KEYDATES_REFERENCE);
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.starts_with("place,"))
            continue;
        // "name",lat,lon,year,kind,value,margin
        const auto close = line.find('"', 1);
        std::stringstream rest(line.substr(close + 2));
        std::vector<std::string> f;
        std::string field;
        while (std::getline(rest, field, ','))
            f.push_back(field);
        f.resize(6);
        rows.push_back({line.substr(1, close - 1),
                        {std::stod(f[0]), std::stod(f[1]), 0},
                        std::stoi(f[2]),
                        f[3],
                        f[4],
                        f[5].empty() ? 90.0 : std::stod(f[5])});
    }
    return rows;
}

std::string kindName(const KeyDate &key) { return std::string(almanac::keyDateKindName(key.kind)); }

std::vector<KeyDate> ofKind(const std::vector<KeyDate> &dates, KeyDateKind kind)
{
    std::vector<KeyDate> out;
    std::copy_if(dates.begin(), dates.end(), std::back_inserter(out),
                 [kind](const KeyDate &k) { return k.kind == kind; });
    return out;
}

// TT seconds from 1970 of a UTC instant, with the almanac's ΔT.
double ttSeconds(double utcSeconds)
{
    return utcSeconds
        + almanac::deltaTSeconds(almanac::decimalYearFromUtDays(almanac::utDaysFromUtcSeconds(utcSeconds)));
}

// The allowed differences from PyEphem. Equinoxes and solstices: its
// right-ascension crossings and our ecliptic longitude agree within 16 s to
// 2100. Perihelion and aphelion are flat extremes: the distance's rate of
// change grows by only 5e-6 AU a day per day there, and PyEphem's truncated
// series (kept in single precision) differ from ERFA's by up to 1e-7 AU with
// a slope of up to 1e-7 AU a day, which moves the turning point by up to 21
// minutes (ERFA's figures agree with the published ones within a minute).
// Beyond 2100 both extrapolate their series: 89 s and 27 min seen by 3000.
double toleranceSeconds(const ReferenceRow &r)
{
    const bool apsis = r.kind == "perihelion" || r.kind == "aphelion";
    const double tolerance = apsis ? 30 * 60 : 60;
    return r.year > 2100 ? 2 * tolerance : tolerance;
}

// Where the deciding altitude is this close to the level on either side of
// a period's first or last date, the two ephemerides may name neighbouring
// dates (they agree to a few arcseconds).
constexpr double kPeriodMarginDegrees = 0.001;

bool isPeriod(KeyDateKind kind) { return kind >= KeyDateKind::PolarDayBegin; }

}  // namespace

TEST(KeyDates, TurningPointsOfTheSunAgainstPyEphem)
{
    std::map<int, std::vector<KeyDate>> byYear;
    int checked = 0;
    for (const ReferenceRow &r : readReference()) {
        if (r.place != "Earth")
            continue;
        auto it = byYear.find(r.year);
        if (it == byYear.end())
            it = byYear.emplace(r.year, almanac::keyDates(kTallinn, r.year, fixedOffset(0))).first;
        const auto found = std::find_if(it->second.begin(), it->second.end(),
                                        [&](const KeyDate &k) { return kindName(k) == r.kind; });
        ASSERT_NE(found, it->second.end()) << r.year << ' ' << r.kind;
        EXPECT_NEAR(ttSeconds(found->instant), std::stod(r.value), toleranceSeconds(r))
            << r.year << ' ' << r.kind;
        ++checked;
    }
    EXPECT_EQ(checked, 8 * 6);
}

TEST(KeyDates, PeriodsAgainstPyEphem)
{
    // Per place and year, the set of "kind date" the reference names.
    std::map<std::pair<std::string, int>, std::set<std::string>> expected;
    std::map<std::pair<std::string, int>, Place> places;
    for (const ReferenceRow &r : readReference()) {
        if (r.place == "Earth")
            continue;
        places[{r.place, r.year}] = r.where;
        if (r.marginDegrees >= kPeriodMarginDegrees)
            expected[{r.place, r.year}].insert(r.kind + ' ' + r.value);
    }
    ASSERT_EQ(places.size(), 4U);
    for (const auto &[key, place] : places) {
        std::set<std::string> actual;
        for (const KeyDate &k : almanac::keyDates(place, key.second, fixedOffset(0)))
            if (isPeriod(k.kind))
                actual.insert(kindName(k) + ' ' + almanac::dateText(*k.date));
        EXPECT_EQ(actual, expected[key]) << key.first << ' ' << key.second;
    }
}

TEST(KeyDates, ClockChangesFoundToTheSecond)
{
    const std::vector<KeyDate> dates = almanac::keyDates(kTallinn, 2026, tallinnClock2026);
    const std::vector<KeyDate> forward = ofKind(dates, KeyDateKind::ClockForward);
    const std::vector<KeyDate> back = ofKind(dates, KeyDateKind::ClockBack);
    ASSERT_EQ(forward.size(), 1U);
    ASSERT_EQ(back.size(), 1U);
    EXPECT_EQ(forward[0].instant, kForward2026);
    EXPECT_EQ(forward[0].newOffsetSeconds, 10800);
    EXPECT_EQ(back[0].instant, kBack2026);
    EXPECT_EQ(back[0].newOffsetSeconds, 7200);

    // A clock that never changes gives no change.
    for (const KeyDate &k : almanac::keyDates(kTallinn, 2001, fixedOffset(7200)))
        EXPECT_TRUE(k.kind != KeyDateKind::ClockForward && k.kind != KeyDateKind::ClockBack) << kindName(k);
}

struct ExtremeCase {
    const char *name;
    Place place;
    KeyDateKind kind;
    CivilDate date;  // of the solar day, or the local date of the instant
    int localSecondOfDay;  // -1: a date-only kind
    std::int64_t dayLengthSeconds;  // -1: none
};

class Extremes : public ::testing::TestWithParam<ExtremeCase>
{
};

// Tallinn's figures are the year table's own (tst_commandline's row of 21
// June); Tromsø's show that a sunset after midnight before the midnight sun
// is the latest, not the earliest, and that the longest day is one on which
// the Sun still sets.
TEST_P(Extremes, OfTheYearTable)
{
    const ExtremeCase &c = GetParam();
    const std::vector<KeyDate> found = ofKind(almanac::keyDates(c.place, 2026, tallinnClock2026), c.kind);
    ASSERT_EQ(found.size(), 1U);
    const KeyDate &k = found[0];
    if (c.localSecondOfDay < 0) {
        EXPECT_EQ(k.date, c.date);
    } else {
        const std::int64_t utc = almanac::wholeSeconds(k.instant);
        const almanac::LocalTime local = almanac::localTime(utc, tallinnClock2026(utc));
        EXPECT_EQ(almanac::civilFromDays(local.day), c.date);
        EXPECT_NEAR(local.secondOfDay, c.localSecondOfDay, 1);
    }
    if (c.dayLengthSeconds >= 0)
        EXPECT_EQ(k.dayLengthSeconds, c.dayLengthSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    KeyDates, Extremes,
    ::testing::Values(
        ExtremeCase{
            "TallinnLongest", kTallinn, KeyDateKind::LongestDay, {2026, 6, 21}, -1, 18 * 3600 + 39 * 60 + 34},
        ExtremeCase{"TallinnShortest",
                    kTallinn,
                    KeyDateKind::ShortestDay,
                    {2026, 12, 21},
                    -1,
                    6 * 3600 + 2 * 60 + 46},
        ExtremeCase{"TallinnEarliestSunrise",
                    kTallinn,
                    KeyDateKind::EarliestSunrise,
                    {2026, 6, 19},
                    4 * 3600 + 2 * 60 + 50,
                    -1},
        ExtremeCase{"TallinnLatestSunset",
                    kTallinn,
                    KeyDateKind::LatestSunset,
                    {2026, 6, 23},
                    22 * 3600 + 42 * 60 + 47,
                    -1},
        ExtremeCase{"TallinnLatestSunrise",
                    kTallinn,
                    KeyDateKind::LatestSunrise,
                    {2026, 12, 27},
                    9 * 3600 + 19 * 60 + 21,
                    -1},
        ExtremeCase{"TromsoLatestSunsetAfterMidnight",
                    kTromso,
                    KeyDateKind::LatestSunset,
                    {2026, 7, 26},
                    37 * 60 + 9 + 3600,
                    -1},
        ExtremeCase{
            "TromsoLongestBeforeTheMidnightSun", kTromso, KeyDateKind::LongestDay, {2026, 5, 17}, -1, -1}),
    [](const ::testing::TestParamInfo<ExtremeCase> &info) { return std::string(info.param.name); });

TEST(KeyDates, InTimeOrderWithinTheLegalYear)
{
    // On a clock 14 hours ahead of UTC the year begins on 31 December, 10:00
    // UTC: the perihelion of 3 January 2026 (17:15 UTC) is in it either way,
    // and every instant lies between the two local midnights.
    const std::vector<KeyDate> dates = almanac::keyDates(kTallinn, 2026, fixedOffset(14 * 3600));
    const double begin = static_cast<double>(almanac::daysFromCivil({2026, 1, 1})) * 86400 - 14 * 3600;
    const double end = static_cast<double>(almanac::daysFromCivil({2027, 1, 1})) * 86400 - 14 * 3600;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (i > 0)
            EXPECT_LE(dates[i - 1].instant, dates[i].instant) << kindName(dates[i]);
        if (!dates[i].date) {
            EXPECT_GE(dates[i].instant, begin) << kindName(dates[i]);
            EXPECT_LT(dates[i].instant, end) << kindName(dates[i]);
        }
    }
    EXPECT_EQ(ofKind(dates, KeyDateKind::Perihelion).size(), 1U);
}

TEST(KeyDates, Csv)
{
    const std::string csv
        = almanac::keyDatesCsv(almanac::keyDates(kTallinn, 2026, tallinnClock2026), tallinnClock2026);
    EXPECT_TRUE(csv.starts_with("instant,kind,detail\r\n"));
    EXPECT_NE(csv.find("\r\n2026-03-29T04:00:00+03:00,clock_forward,+03:00\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2026-10-25T03:00:00+02:00,clock_back,+02:00\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2026-06-21,longest_day,18:39:34\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2026-04-23,white_nights_begin,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2026-03-20T16:45:51+02:00,march_equinox,\r\n"), std::string::npos);
    // Every line ends with CR LF, none is empty, each has three fields.
    std::size_t lines = 0;
    for (std::size_t at = 0; at < csv.size();) {
        const std::size_t end = csv.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        const std::string line = csv.substr(at, end - at);
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 2) << line;
        at = end + 2;
        ++lines;
    }
    EXPECT_EQ(lines, 1 + 18U);
}
