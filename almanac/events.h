// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The altitudes that define the events, and the Sun's altitude at a place.
#include "almanac/almanac.h"

namespace almanac {

// The altitude of the Sun's centre (degrees) at which an event happens: the
// twilights at -18°, -12° and -6°, sunrise and sunset on the window's own
// horizon (0.833° of refraction and semidiameter, plus the dip of the horizon
// seen from `heightMetres`). Solar noon is a culmination, not a crossing of a
// level: it gives 0.
double eventAltitudeDegrees(Event event, double heightMetres);

// The altitude of the Sun's centre (degrees, without refraction) that an edge
// of the golden hour crosses: -4° or +6°.
double goldenHourAltitudeDegrees(GoldenHour edge);

// The topocentric altitude of the Sun's centre without refraction, degrees,
// computed from the Sun's place at that very instant (no interpolation).
double sunAltitudeDegrees(const Place &place, UtcSeconds instant);

}  // namespace almanac
