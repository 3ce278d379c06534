// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun's apparent place seen from the Earth's centre, in the celestial
// intermediate system (CIRS), and the Earth's rotation angle: together they
// give the Sun's hour angle at a place.

namespace almanac {

struct SunPlace {
    double rightAscensionRadians;  // from the celestial intermediate origin, 0..2π
    double declinationRadians;
    double distanceAu;
};

// At an instant in UT days from J2000.0 (TT = UT + ΔT). The Earth from
// eraEpv00, light time, annual aberration, precession-nutation IAU 2000B.
SunPlace sunApparentCirs(double utDays);

// The Sun's apparent geocentric ecliptic longitude (true equinox and ecliptic
// of date, radians 0..2π) at UT days from J2000.0: the place above, turned
// by precession-nutation and the true obliquity.
double sunApparentLongitudeRadians(double utDays);

// The geometric distance between the centres of the Earth and the Sun, and
// how fast it changes, at UT days from J2000.0.
struct EarthSunDistance {
    double au;
    double auPerDay;  // > 0 while the Earth recedes
};
EarthSunDistance earthSunDistance(double utDays);

// The Earth rotation angle (radians, 0..2π) at UT days from J2000.0.
double earthRotationAngleRadians(double utDays);

// The Sun's equatorial horizontal parallax (radians) at a distance in AU.
double solarParallaxRadians(double distanceAu);

}  // namespace almanac
