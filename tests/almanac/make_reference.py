#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes reference_events.csv: the Sun's events of chosen dates and places
computed with PyEphem (Debian python3-ephem), an ephemeris independent of ERFA.

The Sun's centre, no refraction (pressure 0), topocentric altitude. The solar
day runs from the lower culmination before the upper transit nearest the
place's mean noon to the next lower culmination; an event exists where the
altitude crosses its level between a culmination and the transit, and is
found here by bisection on PyEphem's altitude to a tenth of a millisecond.

Run:  tests/almanac/make_reference.py > tests/almanac/reference_events.csv
      tests/almanac/make_reference.py --extra > tests/almanac/reference_extra.csv

With --extra it writes, for the same places and dates, the edges of the
golden hour (the centre rising through -4 and +6 degrees, setting through +6
and -4), the azimuth at sunrise and sunset (degrees from north through east)
and the altitude at the transit (degrees).
"""
import calendar
import datetime
import math
import sys

import ephem

PLACES = [
    # name, latitude, longitude, height (m)
    ("Tallinn", 59.437, 24.745, 0),
    ("Tartu", 58.378, 26.729, 60),
    ("Suur Munamägi", 57.714, 27.059, 318),
    ("Tromsø", 69.649, 18.956, 0),
    ("Punta Arenas", -53.163, -70.917, 0),
    ("Honolulu", 21.307, -157.858, 0),
]
YEARS = [1900, 1942, 1985, 2000, 2026, 2100, 2500, 3000]
EXTRA_DATES = [(2026, 3, 29), (2026, 10, 25), (2026, 6, 21), (2026, 12, 21)]
EVENTS = ["astronomical_dawn", "nautical_dawn", "civil_dawn", "sunrise", "solar_noon",
          "sunset", "civil_dusk", "nautical_dusk", "astronomical_dusk"]
LEVELS = {"astronomical": -18.0, "nautical": -12.0, "civil": -6.0}
UNIX_EPOCH = ephem.Date("1970/1/1 00:00:00")
SECOND = 1.0 / 86400


def dates():
    for year in YEARS:
        for month in (1, 3, 5, 6, 8, 10, 12):
            day = 1 + (year + 7 * month) % 28  # spread over the month
            yield (year, month, day)
    yield from EXTRA_DATES


def level_of(event, height):
    if event in ("sunrise", "sunset"):
        return -(0.833 + 0.0347 * math.sqrt(height))
    return LEVELS[event.split("_")[0]]


class Site:
    def __init__(self, lat, lon):
        self.obs = ephem.Observer()
        self.obs.lat = str(lat)
        self.obs.lon = str(lon)
        self.obs.elevation = 0
        self.obs.pressure = 0
        self.sun = ephem.Sun()

    def altitude(self, d):
        self.obs.date = d
        self.sun.compute(self.obs)
        return math.degrees(self.sun.alt)

    def azimuth(self, d):
        self.obs.date = d
        self.sun.compute(self.obs)
        return math.degrees(self.sun.az)

    def hour_angle(self, d, target):
        self.obs.date = d
        self.sun.compute(self.obs)
        ha = self.obs.sidereal_time() - self.sun.g_ra - target
        return math.remainder(ha, 2 * math.pi)

    def culmination(self, guess, target):
        # Secant steps on the geocentric hour angle, then a bisection guard.
        a, b = guess - 0.02, guess + 0.02
        fa, fb = self.hour_angle(a, target), self.hour_angle(b, target)
        while fa * fb > 0:  # widen towards the root; the hour angle grows ~2π a day
            a, b = a - 0.02, b + 0.02
            fa, fb = self.hour_angle(a, target), self.hour_angle(b, target)
        while b - a > 1e-4 * SECOND:
            m = (a + b) / 2
            fm = self.hour_angle(m, target)
            if (fm < 0) == (fa < 0):
                a, fa = m, fm
            else:
                b, fb = m, fm
        return (a + b) / 2

    def crossing(self, a, b, level):
        fa = self.altitude(a) - level
        while b - a > 1e-4 * SECOND:
            m = (a + b) / 2
            fm = self.altitude(m) - level
            if (fm < 0) == (fa < 0):
                a, fa = m, fm
            else:
                b = m
        return (a + b) / 2


def unix_seconds(d):
    return (d - UNIX_EPOCH) * 86400.0


GOLDEN = [("morning_golden_hour_start", -4.0, True), ("morning_golden_hour_end", 6.0, True),
          ("evening_golden_hour_start", 6.0, False), ("evening_golden_hour_end", -4.0, False)]


def solar_day(site, lon, y, m, d):
    """The lower culmination before, the transit, the lower culmination after."""
    # The hour angle at mean noon is the equation of time: under 17 min.
    mean_noon = ephem.Date("%d/%d/%d 12:00:00" % (y, m, d)) - lon / 360.0
    transit = site.culmination(mean_noon, 0.0)
    before = site.culmination(site.culmination(mean_noon - 1, 0.0) + 0.5, math.pi)
    after = site.culmination(transit + 0.5, math.pi)
    return before, transit, after


class Day:
    """One solar day at a site: its culminations and the altitudes there."""

    def __init__(self, site, lon, y, m, d):
        self.site = site
        self.before, self.transit, self.after = solar_day(site, lon, y, m, d)
        self.alt_noon = site.altitude(self.transit)
        self.alt_before, self.alt_after = site.altitude(self.before), site.altitude(self.after)

    def crossing(self, level, rising):
        """The instant the Sun crosses `level` that way (None if it does not),
        and how far the level is from the altitudes at its ends."""
        edge = self.alt_before if rising else self.alt_after
        margin = min(abs(self.alt_noon - level), abs(edge - level))
        if not edge < level < self.alt_noon:
            return None, margin
        if rising:
            return self.site.crossing(self.before, self.transit, level), margin
        return self.site.crossing(self.transit, self.after, level), margin


def extra():
    print("# The Sun's golden hours, direction and noon altitude by PyEphem %s; made by make_reference.py --extra"
          % ephem.__version__)
    print("place,latitude,longitude,height,date,quantity,value,margin_degrees")
    for name, lat, lon, height in PLACES:
        site = Site(lat, lon)
        for (y, m, d) in dates():
            day = Day(site, lon, y, m, d)
            rows = []
            for quantity, level, rising in GOLDEN:
                t, margin = day.crossing(level, rising)
                rows.append((quantity, "" if t is None else "%.3f" % unix_seconds(t), margin))
            for quantity, rising in (("sunrise_azimuth", True), ("sunset_azimuth", False)):
                t, margin = day.crossing(level_of("sunrise", height), rising)
                rows.append((quantity, "" if t is None else "%.4f" % site.azimuth(t), margin))
            rows.append(("noon_altitude", "%.5f" % day.alt_noon, 90.0))
            for quantity, value, margin in rows:
                print('"%s",%.3f,%.3f,%d,%04d-%02d-%02d,%s,%s,%.3f'
                      % (name, lat, lon, height, y, m, d, quantity, value, margin))


def main():
    if sys.argv[1:] == ["--extra"]:
        extra()
        return
    print("# Sun's events by PyEphem %s; made by make_reference.py" % ephem.__version__)
    print("place,latitude,longitude,height,date,event,utc_seconds,margin_degrees")
    for name, lat, lon, height in PLACES:
        site = Site(lat, lon)
        for (y, m, d) in dates():
            day = Day(site, lon, y, m, d)
            for event in EVENTS:
                if event == "solar_noon":
                    t, margin = day.transit, 90.0
                else:
                    rising = event.endswith("dawn") or event == "sunrise"
                    t, margin = day.crossing(level_of(event, height), rising)
                value = "" if t is None else "%.3f" % unix_seconds(t)
                print('"%s",%.3f,%.3f,%d,%04d-%02d-%02d,%s,%s,%.3f'
                      % (name, lat, lon, height, y, m, d, event, value, margin))


if __name__ == "__main__":
    main()
