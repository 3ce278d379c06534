// SPDX-License-Identifier: GPL-3.0-or-later
// The precise computation: one place-year of all nine events, the same
// written as the command line writes it (also with the extra columns), the
// one day the window asks for, and the key dates of a place-year (with the
// table they are read from); measured after the windows' toolkit has drawn,
// as in the program.
#include <QImage>
#include <QLabel>
#include <QTimeZone>
#include <QtTest>

#include "almanac/almanac.h"
#include "almanac/keydates.h"
#include "shell/legalclock.h"

namespace {

using namespace Qt::StringLiterals;

const almanac::Place kTallinn{59.437, 24.745, 0};

}  // namespace

class bench_almanac : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placeYear();
    void placeYearAsCsv();
    void placeYearWithExtraAsCsv();
    void oneSolarDay();
    void keyDatesOfAPlaceYear();
    void keyDatesAsCsv();
};

// The toolkit's drawing leaves vector registers in a state that slows the
// computation down unless the computation clears them first.
void bench_almanac::initTestCase()
{
    QLabel label(u"Päikesetõus 04:02:40"_s);
    label.resize(400, 300);
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    label.render(&image);
    QVERIFY(!image.isNull());
}

void bench_almanac::placeYear()
{
    std::size_t rows = 0;
    QBENCHMARK { rows = almanac::yearTable(kTallinn, 2026).size(); }
    QCOMPARE(rows, std::size_t{365});
}

// With the legal clock asked for every instant (QTimeZone) and the text.
void bench_almanac::placeYearAsCsv()
{
    const almanac::UtcOffsetAt clock = legalClock(QTimeZone(kDefaultZoneId));
    std::size_t bytes = 0;
    QBENCHMARK { bytes = almanac::yearCsv(almanac::yearTable(kTallinn, 2026), clock).size(); }
    QVERIFY(bytes > 365 * 100);
}

// As `vorandel --extra` writes it: the rows dated by the legal clock, the
// golden hours, the Sun's direction and its noon altitude.
void bench_almanac::placeYearWithExtraAsCsv()
{
    const almanac::UtcOffsetAt clock = legalClock(QTimeZone(kDefaultZoneId));
    std::size_t bytes = 0;
    QBENCHMARK
    {
        bytes = almanac::yearCsv(almanac::yearTable(kTallinn, 2026, clock), clock,
                                 almanac::CsvColumns::WithExtra)
                    .size();
    }
    QVERIFY(bytes > 365 * 200);
}

void bench_almanac::oneSolarDay()
{
    double noon = 0;
    QBENCHMARK { noon = *almanac::solarDay(kTallinn, {2026, 3, 30})[almanac::Event::SolarNoon]; }
    QVERIFY(noon > 0);
}

// The key dates with the year table they are read from, against placeYear.
void bench_almanac::keyDatesOfAPlaceYear()
{
    const almanac::UtcOffsetAt clock = legalClock(QTimeZone(kDefaultZoneId));
    std::size_t count = 0;
    QBENCHMARK { count = almanac::keyDates(kTallinn, 2026, clock).size(); }
    QVERIFY(count >= 16);
}

// As --key-dates writes them, against placeYearAsCsv.
void bench_almanac::keyDatesAsCsv()
{
    const almanac::UtcOffsetAt clock = legalClock(QTimeZone(kDefaultZoneId));
    std::size_t bytes = 0;
    QBENCHMARK { bytes = almanac::keyDatesCsv(almanac::keyDates(kTallinn, 2026, clock), clock).size(); }
    QVERIFY(bytes > 16 * 20);
}

QTEST_MAIN(bench_almanac)
#include "bench_almanac.moc"
