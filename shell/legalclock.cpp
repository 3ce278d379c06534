// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/legalclock.h"

#include <QDateTime>
#include <QFile>

using namespace Qt::StringLiterals;

// Each instant is asked on its own: the zone's rules, also those that run on
// past the last transition the data lists, apply to any date.
almanac::UtcOffsetAt legalClock(const QTimeZone &zone)
{
    return [zone](std::int64_t utcSeconds) {
        return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
    };
}

namespace {

QString zoneDirectory()
{
    const QString tzdir = qEnvironmentVariable("TZDIR");
    return tzdir.isEmpty() ? u"/usr/share/zoneinfo"_s : tzdir;
}

// The zone list's lines: "Z name rules...", a zone; "L target name", a link.
bool listsZone(const QByteArray &list, const QByteArray &id)
{
    for (const QByteArray &line : list.split('\n')) {
        if (!line.startsWith("Z ") && !line.startsWith("L "))
            continue;  // most lines are rules
        const QList<QByteArray> fields = line.simplified().split(' ');
        if ((fields.size() >= 2 && fields[0] == "Z" && fields[1] == id)
            || (fields.size() >= 3 && fields[0] == "L" && fields[2] == id))
            return true;
    }
    return false;
}

}  // namespace

ZoneLookup findZone(const QString &id)
{
    if (id == u"UTC")
        return {ZoneLookup::Result::Found, QTimeZone::utc(), {}};
    const QString folder = zoneDirectory();
    const auto unreadable = [](const QFile &file) {
        return ZoneLookup{
            ZoneLookup::Result::DatabaseUnreadable, {}, file.fileName() + u": "_s + file.errorString()};
    };
    QFile list(folder + u"/tzdata.zi"_s);
    if (!list.open(QIODevice::ReadOnly))
        return unreadable(list);
    const QByteArray zones = list.readAll();
    if (list.error() != QFileDevice::NoError)
        return unreadable(list);
    const QByteArray name = id.toUtf8();
    if (name == "Factory" || !listsZone(zones, name))
        return {};
    // Listed, so its file should be there; if it cannot be read, say why
    // rather than call the zone unknown.
    QFile zoneFile(folder + u'/' + id);
    if (!zoneFile.open(QIODevice::ReadOnly))
        return unreadable(zoneFile);
    zoneFile.close();
    QTimeZone zone(name);
    if (!zone.isValid())
        return {ZoneLookup::Result::DatabaseUnreadable, {}, zoneFile.fileName() + u": not a zone file"_s};
    return {ZoneLookup::Result::Found, zone, {}};
}
