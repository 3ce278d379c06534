// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/legalclock.h"

#include <QDateTime>

// Each instant is asked on its own: the zone's rules, also those that run on
// past the last transition the data lists, apply to any date.
almanac::UtcOffsetAt legalClock(const QTimeZone &zone)
{
    return [zone](std::int64_t utcSeconds) {
        return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
    };
}
