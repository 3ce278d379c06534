// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The legal clock of a time zone for the precise computation: the UTC offset
// that the zone's rules give at each instant, from the system's time-zone data.
#include <QTimeZone>

#include "almanac/almanac.h"

// Europe/Tallinn unless the user names another zone.
inline constexpr char kDefaultZoneId[] = "Europe/Tallinn";

almanac::UtcOffsetAt legalClock(const QTimeZone &zone);
