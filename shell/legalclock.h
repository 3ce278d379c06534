// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The legal clock of a time zone for the precise computation: the UTC offset
// that the zone's rules give at each instant, from the system's time-zone data.
#include <QTimeZone>

#include "almanac/almanac.h"

// Europe/Tallinn unless the user names another zone.
inline constexpr char kDefaultZoneId[] = "Europe/Tallinn";

almanac::UtcOffsetAt legalClock(const QTimeZone &zone);

// A zone the user names, looked up in the system's zone database: the folder
// $TZDIR names, else /usr/share/zoneinfo, as the C library and Qt read it.
// Known are the zones and links the database's own list (tzdata.zi) holds,
// except Factory (the zone of a system nobody set), and "UTC" always, with or
// without a database. A city without its region ("Tallinn"), a POSIX rule
// ("EET-2") or a file that is no zone ("localtime") is unknown.
struct ZoneLookup {
    enum class Result { Found, Unknown, DatabaseUnreadable };
    Result result = Result::Unknown;
    QTimeZone zone;  // when Found
    QString reason;  // when DatabaseUnreadable: the file and the system's reason
};
ZoneLookup findZone(const QString &id);
