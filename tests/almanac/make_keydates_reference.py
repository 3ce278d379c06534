#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes reference_keydates.csv: key dates of chosen years and places
computed with PyEphem (Debian python3-ephem), independent of ERFA.

- Equinoxes and solstices: PyEphem's own next_*_equinox/solstice (the Sun's
  apparent right ascension at 0h, 6h, 12h, 18h, which is where its apparent
  ecliptic longitude is 0°, 90°, 180°, 270°, to a few seconds).
- Perihelion and aphelion: where the Earth-Sun distance (Sun.earth_distance)
  stops falling or rising. PyEphem keeps that distance in single precision
  (steps of 6e-8 AU), and near its extremes it changes by only that much in
  hours, so a bisection on its differences is found first, then refined by a
  least-squares cubic through its values every quarter hour over four days
  (about 400 values average the steps away; a cubic, not a parabola, because
  the Moon's monthly pull bends the curve), whose turning point is taken.
  Both are written in TT (seconds from 1970 plus PyEphem's delta_t), so that
  the two programs' differing ΔT beyond the present does not enter.
- Polar day, polar night and white nights: the first and last dates of each
  run within the year, from the Sun's altitude at the culminations of each
  solar day (make_reference.py's definitions: centre, no refraction,
  topocentric). Polar day: above the horizon (-0.833°) at both lower
  culminations; polar night: below it at the transit; a white night (after
  the date's evening): above -18° (nautical: -12°) at the lower culmination
  after the transit, and above it at the transit. The margin is the least
  distance (degrees) between the level and the deciding altitude on either
  side of the boundary.

Run:  tests/almanac/make_keydates_reference.py > tests/almanac/reference_keydates.csv
"""
import datetime
import math
import os
import sys

import ephem

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_reference import Site, unix_seconds  # noqa: E402

SEASON_YEARS = [1900, 1950, 2000, 2001, 2026, 2100, 2500, 3000]
SEASONS = [("march_equinox", ephem.next_vernal_equinox),
           ("june_solstice", ephem.next_summer_solstice),
           ("september_equinox", ephem.next_autumnal_equinox),
           ("december_solstice", ephem.next_winter_solstice)]
PERIOD_PLACES = [
    # name, latitude, longitude, years
    ("Tallinn", 59.437, 24.745, [2000, 2026]),
    ("Tromsø", 69.65, 18.96, [2026]),
    ("Punta Arenas", -53.163, -70.917, [2026]),
]
HORIZON = -0.833
TWILIGHTS = {"white_nights": -18.0, "nautical_white_nights": -12.0}


def tt_seconds(d):
    return unix_seconds(d) + ephem.delta_t(d)


def distance(d):
    sun = ephem.Sun()
    sun.compute(d)
    return sun.earth_distance


def apsides(year):
    """(kind, date) of each turning point of the distance within the UT year."""
    h = 0.01
    def slope(d):
        return distance(d + h) - distance(d - h)
    start, end = ephem.Date("%d/1/1" % year), ephem.Date("%d/1/1" % (year + 1))
    found = []
    a = start
    while a < end:
        b = min(a + 10, end)
        sa, sb = slope(a), slope(b)
        if (sa < 0) != (sb < 0):
            kind = "perihelion" if sa < 0 else "aphelion"
            lo, hi = a, b
            while hi - lo > 1e-7:
                m = (lo + hi) / 2
                if (slope(m) < 0) == (sa < 0):
                    lo = m
                else:
                    hi = m
            found.append((kind, ephem.Date(refine((lo + hi) / 2))))
        a = b
    return found


def solve(matrix, vector):
    n = len(vector)
    m = [row[:] + [v] for row, v in zip(matrix, vector)]
    for i in range(n):
        p = max(range(i, n), key=lambda r: abs(m[r][i]))
        m[i], m[p] = m[p], m[i]
        for r in range(i + 1, n):
            f = m[r][i] / m[i][i]
            for c in range(i, n + 1):
                m[r][c] -= f * m[i][c]
    x = [0.0] * n
    for i in reversed(range(n)):
        x[i] = (m[i][n] - sum(m[i][c] * x[c] for c in range(i + 1, n))) / m[i][i]
    return x


def refine(centre):
    for _ in range(2):
        ts = [k / 96.0 for k in range(-192, 193)]  # days, every quarter hour, +-2 days
        rs = [distance(centre + t) for t in ts]
        r0 = sum(rs) / len(rs)
        normal = [[sum(t ** (i + j) for t in ts) for j in range(4)] for i in range(4)]
        rhs = [sum((r - r0) * t ** i for t, r in zip(ts, rs)) for i in range(4)]
        _, b, c, d = solve(normal, rhs)
        # b + 2ct + 3dt^2 = 0, the root nearest the centre
        if abs(d) < 1e-30:
            t = -b / (2 * c)
        else:
            disc = math.sqrt(4 * c * c - 12 * d * b)
            roots = [(-2 * c + disc) / (6 * d), (-2 * c - disc) / (6 * d)]
            t = min(roots, key=abs)
        centre += t
    return centre


def solar_days(site, lat, lon, year):
    """For each date of the year and the dates either side: (date, altitude at
    the lower culmination before, at the transit, at the one after)."""
    first = datetime.date(year, 1, 1) - datetime.timedelta(days=1)
    last = datetime.date(year, 12, 31) + datetime.timedelta(days=1)
    rows = []
    d = first
    before = None
    while d <= last:
        mean_noon = ephem.Date("%d/%d/%d 12:00:00" % (d.year, d.month, d.day)) - lon / 360.0
        transit = site.culmination(mean_noon, 0.0)
        if before is None:
            before = site.culmination(site.culmination(mean_noon - 1, 0.0) + 0.5, math.pi)
        after = site.culmination(transit + 0.5, math.pi)
        rows.append((d, site.altitude(before), site.altitude(transit), site.altitude(after)))
        before = after
        d += datetime.timedelta(days=1)
    return rows


def runs(rows, inside, deciding, level):
    """(begin or end, date, margin) of each run of dates, within the year."""
    out = []
    flags = [inside(r) for r in rows]
    for i in range(1, len(rows) - 1):
        if not flags[i]:
            continue
        for side, j in (("begin", i - 1), ("end", i + 1)):
            if not flags[j]:
                margin = min(abs(deciding(rows[i]) - level), abs(deciding(rows[j]) - level))
                out.append((side, rows[i][0], margin))
    return out


def main():
    print("# Key dates by PyEphem %s; made by make_keydates_reference.py" % ephem.__version__)
    print("place,latitude,longitude,year,kind,value,margin_degrees")
    for year in SEASON_YEARS:
        for kind, find in SEASONS:
            print('"Earth",0,0,%d,%s,%.3f,' % (year, kind, tt_seconds(find(str(year)))))
        for kind, d in apsides(year):
            print('"Earth",0,0,%d,%s,%.3f,' % (year, kind, tt_seconds(d)))
    for name, lat, lon, years in PERIOD_PLACES:
        site = Site(lat, lon)
        for year in years:
            rows = solar_days(site, lat, lon, year)
            found = []
            found += [("polar_day",) + r for r in runs(
                rows, lambda r: min(r[1], r[3]) > HORIZON and r[2] > HORIZON, lambda r: min(r[1], r[3]), HORIZON)]
            found += [("polar_night",) + r for r in runs(
                rows, lambda r: r[2] < HORIZON, lambda r: r[2], HORIZON)]
            for prefix, level in TWILIGHTS.items():
                found += [(prefix,) + r for r in runs(
                    rows, lambda r, v=level: r[3] > v and r[2] > v, lambda r: r[3], level)]
            for prefix, side, date, margin in sorted(found, key=lambda f: f[2]):
                print('"%s",%.3f,%.3f,%d,%s_%s,%s,%.3f' % (name, lat, lon, year, prefix, side, date.isoformat(),
                                                          margin))


if __name__ == "__main__":
    main()
