// SPDX-License-Identifier: GPL-3.0-or-later
// The events against an independent ephemeris (PyEphem, kept as data with the
// script that made it: make_reference.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac.h"

namespace {

struct Row {
    std::string place;
    almanac::Place where;
    almanac::CivilDate date;
    std::string event;
    std::optional<double> value;  // UTC seconds of an event, or degrees
    double marginDegrees;
};

const char *const kEventNames[almanac::kEventCount]
    = {"astronomical_dawn", "nautical_dawn", "civil_dawn",       "sunrise", "solar_noon", "sunset",
       "civil_dusk",        "nautical_dusk", "astronomical_dusk"};

int eventIndex(const std::string &name)
{
    for (int i = 0; i < almanac::kEventCount; ++i)
        if (name == kEventNames[i])
            return i;
    return -1;
}

std::vector<Row> readReference(const char *path)
{
    std::ifstream in(path);
    std::vector<Row> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.starts_with("place,"))
            continue;
        // "name",lat,lon,height,YYYY-MM-DD,event,seconds,margin
        const auto close = line.find('"', 1);
        Row r;
        r.place = line.substr(1, close - 1);
        std::stringstream rest(line.substr(close + 2));
        std::string field;
        std::vector<std::string> f;
        while (std::getline(rest, field, ','))
            f.push_back(field);
        if (f.size() == 6)
            f.emplace_back();
        r.where = {std::stod(f[0]), std::stod(f[1]), std::stod(f[2])};
        r.date = {std::stoi(f[3].substr(0, 4)), std::stoi(f[3].substr(5, 2)), std::stoi(f[3].substr(8, 2))};
        r.event = f[4];
        if (!f[5].empty())
            r.value = std::stod(f[5]);
        r.marginDegrees = std::stod(f[6]);
        rows.push_back(r);
    }
    return rows;
}

// The allowed difference, seconds. The deeper twilights are slower crossings
// (the Sun moves more slowly in altitude far below the horizon at these
// latitudes), and where the Sun only just reaches a level the crossing is
// shallow, so a tiny difference in altitude becomes seconds. Beyond 2100
// both ephemerides extrapolate their series: twice the figures.
double toleranceSeconds(const Row &r)
{
    const bool deep = r.event.starts_with("nautical") || r.event.starts_with("astronomical");
    double tolerance = deep ? 2.0 : 1.0;
    if (r.marginDegrees < 1.0)
        tolerance = deep ? 5.0 : 2.0;
    if (r.date.year > 2100)
        tolerance *= 2;
    return tolerance;
}

// The solar day of a row, computed once for the rows of one place and date.
class SolarDays
{
public:
    const almanac::SolarDay &of(const Row &r)
    {
        const std::string key
            = r.place + std::to_string(r.date.year * 10000 + r.date.month * 100 + r.date.day);
        if (key != lastKey_) {
            day_ = almanac::solarDay(r.where, r.date);
            lastKey_ = key;
        }
        return day_;
    }

private:
    std::string lastKey_;
    almanac::SolarDay day_{};
};

TEST(Accuracy, EveryEventAgreesWithAnIndependentEphemeris)
{
    const std::vector<Row> rows = readReference(VORANDEL_ALMANAC_REFERENCE);
    ASSERT_GT(rows.size(), 3000u);
    std::map<std::string, double> worst;
    SolarDays days;
    for (const Row &r : rows) {
        const almanac::SolarDay &day = days.of(r);
        const int e = eventIndex(r.event);
        ASSERT_GE(e, 0) << r.event;
        const std::optional<double> &mine = day.events[static_cast<std::size_t>(e)];
        SCOPED_TRACE(r.place + " " + std::to_string(r.date.year) + "-" + std::to_string(r.date.month) + "-"
                     + std::to_string(r.date.day) + " " + r.event);
        ASSERT_EQ(mine.has_value(), r.value.has_value());
        if (!mine)
            continue;
        const double diff = std::fabs(*mine - *r.value);
        EXPECT_LE(diff, toleranceSeconds(r));
        const std::string cls = (r.date.year > 2100 ? "after 2100 " : "1900-2100 ") + r.event;
        worst[cls] = std::fmax(worst[cls], diff);
    }
    for (const auto &[cls, diff] : worst)
        std::printf("worst %-32s %.3f s\n", cls.c_str(), diff);
}

// The golden hours' edges, the Sun's direction at sunrise and sunset and its
// altitude at noon. The edges are crossings like the events, held to the
// same seconds; the azimuth of a rising or setting to 0.1°, the altitude at
// noon to 0.01°.
TEST(Accuracy, GoldenHourDirectionAndNoonAltitudeAgreeWithAnIndependentEphemeris)
{
    const std::vector<Row> rows = readReference(VORANDEL_ALMANAC_EXTRA_REFERENCE);
    ASSERT_GT(rows.size(), 2500u);
    constexpr const char *kEdges[] = {"morning_golden_hour_start", "morning_golden_hour_end",
                                      "evening_golden_hour_start", "evening_golden_hour_end"};
    std::map<std::string, double> worst;
    SolarDays days;
    for (const Row &r : rows) {
        const almanac::SolarDay &day = days.of(r);
        SCOPED_TRACE(r.place + " " + std::to_string(r.date.year) + "-" + std::to_string(r.date.month) + "-"
                     + std::to_string(r.date.day) + " " + r.event);
        std::optional<double> mine;
        double tolerance = 0;
        if (r.event == "noon_altitude") {
            mine = day.noonAltitudeDegrees;
            tolerance = 0.01;
        } else if (r.event.ends_with("azimuth")) {
            mine = r.event == "sunrise_azimuth" ? day.sunriseAzimuthDegrees : day.sunsetAzimuthDegrees;
            tolerance = 0.1;
        } else {
            const auto edge = std::find(std::begin(kEdges), std::end(kEdges), r.event) - std::begin(kEdges);
            ASSERT_LT(edge, std::ssize(kEdges));
            mine = day.goldenHour[static_cast<std::size_t>(edge)];
            tolerance = toleranceSeconds(r);
        }
        ASSERT_EQ(mine.has_value(), r.value.has_value());
        if (!mine)
            continue;
        const double diff = std::fabs(*mine - *r.value);
        EXPECT_LE(diff, tolerance);
        worst[r.event] = std::fmax(worst[r.event], diff);
    }
    for (const auto &[quantity, diff] : worst)
        std::printf("worst %-32s %.4f\n", quantity.c_str(), diff);
}

}  // namespace
