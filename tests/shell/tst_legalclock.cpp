// SPDX-License-Identifier: GPL-3.0-or-later
// The legal clock: Tallinn's offsets through its history, and past the last
// transition the time-zone data lists.
#include <QDateTime>
#include <QTest>
#include <QTimeZone>

#include "shell/legalclock.h"

using namespace Qt::StringLiterals;

class tst_LegalClock : public QObject
{
    Q_OBJECT

private slots:
    void tallinnOffsets_data();
    void tallinnOffsets();
    void otherZones();
};

void tst_LegalClock::tallinnOffsets_data()
{
    QTest::addColumn<QString>("utc");
    QTest::addColumn<int>("offsetSeconds");
    QTest::newRow("1900, Tallinn mean time") << u"1900-06-01T12:00:00Z"_s << 5940;
    QTest::newRow("summer 1942, German summer time") << u"1942-07-01T12:00:00Z"_s << 7200;
    QTest::newRow("winter 1942, Central European time") << u"1942-12-01T12:00:00Z"_s << 3600;
    QTest::newRow("winter 1985, Moscow time") << u"1985-01-15T12:00:00Z"_s << 10800;
    QTest::newRow("summer 1985, Moscow summer time") << u"1985-07-01T12:00:00Z"_s << 14400;
    QTest::newRow("summer 2000, no summer time") << u"2000-07-01T12:00:00Z"_s << 7200;
    QTest::newRow("summer 2001, no summer time") << u"2001-07-01T12:00:00Z"_s << 7200;
    QTest::newRow("summer 2002, summer time again") << u"2002-07-01T12:00:00Z"_s << 10800;
    QTest::newRow("29 March 2026, a second before 03:00") << u"2026-03-29T00:59:59Z"_s << 7200;
    QTest::newRow("29 March 2026, 04:00 summer time") << u"2026-03-29T01:00:00Z"_s << 10800;
    QTest::newRow("25 October 2026, a second before 04:00") << u"2026-10-25T00:59:59Z"_s << 10800;
    QTest::newRow("25 October 2026, 03:00 winter time") << u"2026-10-25T01:00:00Z"_s << 7200;
    QTest::newRow("summer 2500, by the rule") << u"2500-07-01T12:00:00Z"_s << 10800;
    QTest::newRow("winter 3000, by the rule") << u"3000-12-01T12:00:00Z"_s << 7200;
}

void tst_LegalClock::tallinnOffsets()
{
    QFETCH(QString, utc);
    QFETCH(int, offsetSeconds);
    const almanac::UtcOffsetAt clock = legalClock(QTimeZone(kDefaultZoneId));
    const QDateTime instant = QDateTime::fromString(utc, Qt::ISODate);
    QVERIFY(instant.isValid());
    QCOMPARE(clock(instant.toSecsSinceEpoch()), offsetSeconds);
}

void tst_LegalClock::otherZones()
{
    const QDateTime july = QDateTime::fromString(u"2026-07-01T12:00:00Z"_s, Qt::ISODate);
    QCOMPARE(legalClock(QTimeZone("America/New_York"))(july.toSecsSinceEpoch()), -4 * 3600);
    QCOMPARE(legalClock(QTimeZone("Australia/Adelaide"))(july.toSecsSinceEpoch()), 9 * 3600 + 1800);
    QCOMPARE(legalClock(QTimeZone::utc())(july.toSecsSinceEpoch()), 0);
}

QTEST_GUILESS_MAIN(tst_LegalClock)
#include "tst_legalclock.moc"
