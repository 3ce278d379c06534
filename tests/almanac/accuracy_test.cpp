// SPDX-License-Identifier: GPL-3.0-or-later
// The events against an independent ephemeris (PyEphem, kept as data with the
// script that made it: make_reference.py).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
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
    std::optional<double> utcSeconds;
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

std::vector<Row> readReference()
{
    std::ifstream in(VORANDEL_ALMANAC_REFERENCE);
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
            r.utcSeconds = std::stod(f[5]);
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

TEST(Accuracy, EveryEventAgreesWithAnIndependentEphemeris)
{
    const std::vector<Row> rows = readReference();
    ASSERT_GT(rows.size(), 3000u);
    std::map<std::string, double> worst;
    std::string lastKey;
    almanac::SolarDay day{};
    for (const Row &r : rows) {
        const std::string key
            = r.place + std::to_string(r.date.year * 10000 + r.date.month * 100 + r.date.day);
        if (key != lastKey) {
            day = almanac::solarDay(r.where, r.date);
            lastKey = key;
        }
        const int e = eventIndex(r.event);
        ASSERT_GE(e, 0) << r.event;
        const std::optional<double> &mine = day.events[static_cast<std::size_t>(e)];
        SCOPED_TRACE(r.place + " " + std::to_string(r.date.year) + "-" + std::to_string(r.date.month) + "-"
                     + std::to_string(r.date.day) + " " + r.event);
        ASSERT_EQ(mine.has_value(), r.utcSeconds.has_value());
        if (!mine)
            continue;
        const double diff = std::fabs(*mine - *r.utcSeconds);
        EXPECT_LE(diff, toleranceSeconds(r));
        const std::string cls = (r.date.year > 2100 ? "after 2100 " : "1900-2100 ") + r.event;
        worst[cls] = std::fmax(worst[cls], diff);
    }
    for (const auto &[cls, diff] : worst)
        std::printf("worst %-32s %.3f s\n", cls.c_str(), diff);
}

}  // namespace
