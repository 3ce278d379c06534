// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the precise sunrise and sunset shown as the tooltips (and
// accessible descriptions) of the window's two event-time labels: the precise
// time in the season the window shows, and the legal clock's time where that
// differs. No Qt: the legal clock's offset comes from the caller.
#include <string>

#include "almanac/almanac.h"

namespace precisetips {

// The legal clock at one instant.
struct LegalClock {
    int offsetSeconds;
    bool daylightSaving;
};

// " Täpsemalt: 07:24:28 (seaduslik aeg: 08:24:28, suveaeg) " and the like, for
// Event::Sunrise or Event::Sunset of the solar day of the window's date.
std::string EventTip(const almanac::SolarDay &day, almanac::Event event, int shownOffsetSeconds,
                     const LegalClock &legal);

// For a year the precise computation does not cover.
std::string OutOfRangeTip();

// The legal clock's name: "suveaeg" (GMT +3, summer time), "talveaeg"
// (GMT +2), otherwise its offset, "GMT +4, suveaeg" or "GMT +1:39".
std::string LegalClockName(const LegalClock &legal);

}  // namespace precisetips
