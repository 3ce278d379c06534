// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, run as a separate process with no display at all: the
// year table it writes and the arguments it refuses.
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <map>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// How the program is started beyond its arguments.
struct Setup {
    QString stdoutFile;  // empty: a pipe
    QString zoneFolder;  // TZDIR; empty: not set
    std::function<void()> inChild = {};  // runs in the child just before the program
};

// Every wait is bounded: a hanging program fails the test instead of the run.
Run runVorandel(const QStringList &arguments, const Setup &setup = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "TZDIR"})
        env.remove(QString::fromLatin1(name));
    if (!setup.zoneFolder.isEmpty())
        env.insert(u"TZDIR"_s, setup.zoneFolder);
    process.setProcessEnvironment(env);
    if (!setup.stdoutFile.isEmpty())
        process.setStandardOutputFile(setup.stdoutFile);
    if (setup.inChild)
        process.setChildProcessModifier(setup.inChild);
    process.start(QStringLiteral(VORANDEL_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QList<QByteArray> rowsOf(const QByteArray &csv)
{
    QList<QByteArray> rows = csv.split('\n');
    if (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

QByteArray rowOf(const QList<QByteArray> &rows, const QByteArray &date)
{
    for (const QByteArray &row : rows)
        if (row.startsWith(date + ','))
            return row;
    return {};
}

const QStringList kTallinn2026 = {u"--year"_s, u"2026"_s, u"--lat"_s, u"59.437"_s, u"--lon"_s, u"24.745"_s};

}  // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void yearTableOfTallinn();
    void rowsInTheZoneAsked_data();
    void rowsInTheZoneAsked();
    void heightLowersTheHorizon();
    void tallinnTablesAsBefore_data();
    void tallinnTablesAsBefore();
    void rowDateIsTheDateOfNoon_data();
    void rowDateIsTheDateOfNoon();
    void longitude180IsMinus180();
    void extraColumns();
    void keyDates_data();
    void keyDates();
    void helpAndVersion();
    void refusals_data();
    void refusals();
    void writeFailures_data();
    void writeFailures();
    void zoneDatabase_data();
    void zoneDatabase();
    void outOfMemoryIsSaid();
};

void tst_CommandLine::yearTableOfTallinn()
{
    const Run run = runVorandel(kTallinn2026);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QList<QByteArray> rows = rowsOf(run.out);
    QCOMPARE(rows.size(), 1 + 365);
    for (const QByteArray &row : rows)
        QVERIFY2(row.endsWith('\r'), row.constData());
    QCOMPARE(rows.first(),
             "date,astronomical_dawn,nautical_dawn,civil_dawn,sunrise,solar_noon,sunset,civil_dusk,"
             "nautical_dusk,astronomical_dusk,day_length\r");
    QVERIFY(rows[1].startsWith("2026-01-01,"));
    QVERIFY(rows.last().startsWith("2026-12-31,"));

    // The civil dusk after midnight belongs to the day before; no
    // astronomical or nautical twilight ends on a white night.
    QCOMPARE(rowOf(rows, "2026-06-21"),
             "2026-06-21,,,2026-06-21T02:29:19+03:00,2026-06-21T04:03:02+03:00,2026-06-21T13:22:49+03:00,"
             "2026-06-21T22:42:36+03:00,2026-06-22T00:16:19+03:00,,,18:39:34\r");
    // The clock goes forward in the night before 29 March.
    QVERIFY(rowOf(rows, "2026-03-28").contains("T06:") == false);
    QVERIFY(rowOf(rows, "2026-03-28").contains("+02:00"));
    QVERIFY(!rowOf(rows, "2026-03-29").contains("+02:00"));
    QVERIFY(rowOf(rows, "2026-10-24").contains("+03:00"));
    QVERIFY(!rowOf(rows, "2026-10-25").contains("+03:00"));
}

void tst_CommandLine::rowsInTheZoneAsked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("offset");
    QTest::newRow("Tallinn 1900: local mean time")
        << QStringList{u"--year"_s, u"1900"_s, u"--lat"_s, u"59.437"_s, u"--lon"_s, u"24.745"_s}
        << "1900-06-01"_ba
        << "+01:39,"_ba;
    QTest::newRow("Tallinn summer 1985: Moscow summer time")
        << QStringList{u"--year"_s, u"1985"_s, u"--lat"_s, u"59.437"_s, u"--lon"_s, u"24.745"_s}
        << "1985-07-01"_ba
        << "+04:00,"_ba;
    QTest::newRow("Tallinn summer 2000: no summer time")
        << QStringList{u"--year"_s, u"2000"_s, u"--lat"_s, u"59.437"_s, u"--lon"_s, u"24.745"_s}
        << "2000-07-01"_ba
        << "+02:00,"_ba;
    QTest::newRow("New York, west and south of Tallinn")
        << QStringList{u"--year=2026"_s, u"--lat=40.71"_s, u"--lon=-74.01"_s, u"--tz=America/New_York"_s}
        << "2026-07-01"_ba
        << "-04:00,"_ba;
    QTest::newRow("UTC") << kTallinn2026 + QStringList{u"--tz"_s, u"UTC"_s} << "2026-07-01"_ba
                         << "+00:00,"_ba;
    QTest::newRow("a zone's old name, a link in the database")
        << kTallinn2026 + QStringList{u"--tz"_s, u"Europe/Kiev"_s} << "2026-07-01"_ba
        << "+03:00,"_ba;
    QTest::newRow("a latitude with a plus sign")
        << QStringList{u"--year=2026"_s, u"--lat=+59.437"_s, u"--lon=24.745"_s} << "2026-07-01"_ba
        << "+03:00,"_ba;
    QTest::newRow("Punta Arenas, southern hemisphere")
        << QStringList{u"--year"_s, u"2026"_s,    u"--lat"_s, u"-53.163"_s,
                       u"--lon"_s,  u"-70.917"_s, u"--tz"_s,  u"America/Punta_Arenas"_s}
        << "2026-12-21"_ba
        << "-03:00,"_ba;
}

void tst_CommandLine::rowsInTheZoneAsked()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, offset);
    const Run run = runVorandel(arguments);
    QCOMPARE(run.exitCode, 0);
    const QByteArray row = rowOf(rowsOf(run.out), date);
    QVERIFY2(!row.isEmpty(), date.constData());
    // Every event that happens carries the zone's offset (white nights and
    // the southern summer leave some fields empty).
    const QList<QByteArray> fields = row.split(',');
    QCOMPARE(fields.size(), 11);
    int events = 0;
    for (qsizetype i = 1; i <= 9; ++i) {
        if (fields[i].isEmpty())
            continue;
        ++events;
        QVERIFY2(fields[i].endsWith(offset.chopped(1)), fields[i].constData());
    }
    QVERIFY(events >= 5);
}

void tst_CommandLine::heightLowersTheHorizon()
{
    const QByteArray sea = rowOf(rowsOf(runVorandel(kTallinn2026).out), "2026-03-30");
    const QByteArray hill
        = rowOf(rowsOf(runVorandel(kTallinn2026 + QStringList{u"--height"_s, u"318"_s}).out), "2026-03-30");
    const QList<QByteArray> a = sea.split(','), b = hill.split(',');
    QCOMPARE(a.size(), 11);
    QCOMPARE(b.size(), 11);
    QCOMPARE(a[3], b[3]);  // civil dawn does not depend on the horizon
    QCOMPARE(a[5], b[5]);  // nor does noon
    QVERIFY(b[4] < a[4]);  // an earlier sunrise
    QVERIFY(b[6] > a[6]);  // a later sunset
}

// The tables of Estonian places as they were before a row took the legal
// date of its noon (SHA-256 of the whole output).
void tst_CommandLine::tallinnTablesAsBefore_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("sha256");
    const auto tallinn = [](const char *year) {
        return QStringList{u"--year"_s, QString::fromLatin1(year), u"--lat"_s, u"59.437"_s, u"--lon"_s,
                           u"24.745"_s};
    };
    QTest::newRow("Tallinn 1900, local mean time")
        << tallinn("1900") << "dc26a53bcb57e80636970ae2c9c873b3275e36faf27f9d0208d876419bdb6f36"_ba;
    QTest::newRow("Tallinn 1989, Moscow time")
        << tallinn("1989") << "ab5f701978e87cb50e7c18aeb7e6cafbf87707e07b6eda83ae45c5309e5d266d"_ba;
    QTest::newRow("Tallinn 2026") << tallinn("2026")
                                  << "046445f2a8f772801ed95aa5aa8c6ca69f09219b6124bcba6dd0e467bb870ba6"_ba;
    QTest::newRow("Tallinn 3000") << tallinn("3000")
                                  << "70b1dca6238d990610826f13bb18edf77543ad9aa004dd1e021ba7b71acb4229"_ba;
    QTest::newRow("Tallinn 2026 in UTC")
        << tallinn("2026") + QStringList{u"--tz"_s, u"UTC"_s}
        << "5d62f1d035fbca96a00d48955751c601e8384a1bb26d6ccc15419ff986527c9f"_ba;
    QTest::newRow("Suur Munamägi 2026, 318 m")
        << QStringList{u"--year"_s, u"2026"_s,   u"--lat"_s,    u"57.714"_s,
                       u"--lon"_s,  u"27.059"_s, u"--height"_s, u"318"_s}
        << "e82204311d40c7794313a538c21d224e57ce5650a6b9549d5b4f4df8bef08601"_ba;
}

void tst_CommandLine::tallinnTablesAsBefore()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, sha256);
    const Run run = runVorandel(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QCryptographicHash::hash(run.out, QCryptographicHash::Sha256).toHex(), sha256);
}

// Where the legal clock is far from the place's mean time, each date of the
// year has one row, dated as its noon is; a skipped date has none.
void tst_CommandLine::rowDateIsTheDateOfNoon_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("lon");
    QTest::addColumn<QDate>("skipped");
    QTest::newRow("Apia 2011, 30 December skipped")
        << u"Pacific/Apia"_s << 2011 << u"-13.833"_s << u"-171.767"_s << QDate(2011, 12, 30);
    QTest::newRow("Apia 2026, +13:00 at 172° W")
        << u"Pacific/Apia"_s << 2026 << u"-13.833"_s << u"-171.767"_s << QDate();
    QTest::newRow("Tongatapu 2026") << u"Pacific/Tongatapu"_s << 2026 << u"-21.136"_s << u"-175.204"_s
                                    << QDate();
    QTest::newRow("Kiritimati 2026, +14:00 at 157° W")
        << u"Pacific/Kiritimati"_s << 2026 << u"1.872"_s << u"-157.43"_s << QDate();
    QTest::newRow("Chatham 2026, +12:45 and +13:45")
        << u"Pacific/Chatham"_s << 2026 << u"-43.955"_s << u"-176.56"_s << QDate();
    QTest::newRow("Fakaofo 2024, leap year")
        << u"Pacific/Fakaofo"_s << 2024 << u"-9.38"_s << u"-171.21"_s << QDate();
    QTest::newRow("Tallinn clock at 180°") << u"Europe/Tallinn"_s << 2026 << u"10"_s << u"180"_s << QDate();
}

void tst_CommandLine::rowDateIsTheDateOfNoon()
{
    QFETCH(QString, zone);
    QFETCH(int, year);
    QFETCH(QString, lat);
    QFETCH(QString, lon);
    QFETCH(QDate, skipped);
    const Run run = runVorandel(
        {u"--year"_s, QString::number(year), u"--lat"_s, lat, u"--lon"_s, lon, u"--tz"_s, zone});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> rows = rowsOf(run.out);
    QDate expected(year, 1, 1);
    for (qsizetype i = 1; i < rows.size(); ++i, expected = expected.addDays(1)) {
        if (expected == skipped)
            expected = expected.addDays(1);
        const QList<QByteArray> fields = rows[i].split(',');
        QCOMPARE(fields[0], expected.toString(Qt::ISODate).toLatin1());
        QCOMPARE(fields[5].left(10), fields[0]);  // the date of solar noon
    }
    QCOMPARE(expected, QDate(year + 1, 1, 1));
}

void tst_CommandLine::longitude180IsMinus180()
{
    const QStringList place = {u"--year"_s, u"2026"_s, u"--lat"_s, u"-16.5"_s, u"--tz"_s, u"Pacific/Fiji"_s};
    const Run east = runVorandel(place + QStringList{u"--lon"_s, u"180"_s});
    const Run west = runVorandel(place + QStringList{u"--lon"_s, u"-180"_s});
    QCOMPARE(east.exitCode, 0);
    QCOMPARE(rowsOf(east.out).size(), 1 + 365);
    QCOMPARE(east.out, west.out);
}

void tst_CommandLine::extraColumns()
{
    const Run run = runVorandel(kTallinn2026 + QStringList{u"--extra"_s});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> rows = rowsOf(run.out);
    QCOMPARE(rows.size(), 1 + 365);
    QCOMPARE(rows.first(),
             "date,astronomical_dawn,nautical_dawn,civil_dawn,sunrise,solar_noon,sunset,civil_dusk,"
             "nautical_dusk,astronomical_dusk,day_length,sunrise_azimuth,sunset_azimuth,noon_altitude,"
             "morning_golden_hour_start,morning_golden_hour_end,evening_golden_hour_start,"
             "evening_golden_hour_end\r");
    for (const QByteArray &row : rows)
        QCOMPARE(row.count(','), 17);
    // The first eleven fields as without the option.
    const QByteArray midsummer = rowOf(rows, "2026-06-21");
    QCOMPARE(midsummer,
             "2026-06-21,,,2026-06-21T02:29:19+03:00,2026-06-21T04:03:02+03:00,2026-06-21T13:22:49+03:00,"
             "2026-06-21T22:42:36+03:00,2026-06-22T00:16:19+03:00,,,18:39:34,36.2,323.8,54.00,"
             "2026-06-21T03:14:26+03:00,2026-06-21T05:20:06+03:00,2026-06-21T21:25:33+03:00,"
             "2026-06-21T23:31:12+03:00\r");
}

void tst_CommandLine::keyDates_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArrayList>("present");
    QTest::addColumn<QByteArrayList>("absent");
    const QStringList tallinn
        = {u"--key-dates"_s, u"--lat"_s, u"59.437"_s, u"--lon"_s, u"24.745"_s, u"--year"_s};
    QTest::newRow("Tallinn 2026: summer time from 29 March to 25 October, 01:00 UTC")
        << tallinn + QStringList{u"2026"_s}
        << QByteArrayList{"2026-03-20T16:45:51+02:00,march_equinox,",
                          "2026-03-29T04:00:00+03:00,clock_forward,+03:00",
                          "2026-06-21,longest_day,18:39:34",
                          "2026-04-23,white_nights_begin,",
                          "2026-08-18,white_nights_end,",
                          "2026-10-25T03:00:00+02:00,clock_back,+02:00",
                          "2026-12-21T22:50:08+02:00,december_solstice,"}
        << QByteArrayList{"polar_"};
    QTest::newRow("Tallinn 2000: no summer time")
        << tallinn + QStringList{u"2000"_s} << QByteArrayList{"2000-06-21,longest_day,18:39:33"}
        << QByteArrayList{"clock_", "+03:00"};
    QTest::newRow("Tallinn 2001: no summer time")
        << tallinn + QStringList{u"2001"_s} << QByteArrayList{"2001-12-21,shortest_day,06:02:44"}
        << QByteArrayList{"clock_", "+03:00"};
    QTest::newRow("Tromsø 2026: the polar night runs over the new year")
        << QStringList{u"--key-dates"_s, u"--year=2026"_s, u"--lat=69.65"_s, u"--lon=18.96"_s,
                       u"--tz=Europe/Oslo"_s}
        << QByteArrayList{"2026-01-14,polar_night_end,", "2026-05-19,polar_day_begin,",
                          "2026-07-24,polar_day_end,", "2026-11-28,polar_night_begin,",
                          "2026-03-29T03:00:00+02:00,clock_forward,+02:00"}
        << QByteArrayList{"2026-01-01,polar_night_begin", "2026-12-31,polar_night_end"};
}

// The key dates, one CSV row each, in time order.
void tst_CommandLine::keyDates()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArrayList, present);
    QFETCH(QByteArrayList, absent);
    const Run run = runVorandel(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QList<QByteArray> rows = rowsOf(run.out);
    QCOMPARE(rows.first(), "instant,kind,detail\r");
    for (const QByteArray &row : rows)
        QVERIFY2(row.endsWith('\r') && row.count(',') == 2, row.constData());
    for (const QByteArray &line : present)
        QVERIFY2(rows.contains(line + '\r'), line.constData());
    for (const QByteArray &text : absent)
        QVERIFY2(!run.out.contains(text), text.constData());
    // In time order: the dates (the first ten characters) never go back.
    for (qsizetype i = 2; i < rows.size(); ++i)
        QVERIFY2(rows[i - 1].left(10) <= rows[i].left(10), rows[i].constData());
}

void tst_CommandLine::helpAndVersion()
{
    const Run version = runVorandel({u"--version"_s});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, "Vorandel 2.0.2\n");
    QCOMPARE(version.err, QByteArray());

    const Run help = runVorandel({u"--help"_s});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage:"));
    for (const char *option : {"--year", "--lat", "--lon", "--height", "--tz", "--extra", "--key-dates"})
        QVERIFY2(help.out.contains(option), option);
    QVERIFY2(!help.out.contains("--help-all"), "an option that does not work");
    // The limits a user of the table must know.
    QVERIFY(help.out.contains("UTC for UT1, an error of at most 0.9 s"));
    QVERIFY(help.out.contains("RFC 3339 readers may reject them"));
    QVERIFY(help.out.contains("date the zone skipped"));
}

void tst_CommandLine::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");  // after "vorandel: "
    const auto with = [](const QString &name, const QString &value) {
        QStringList args = kTallinn2026;
        const qsizetype i = args.indexOf(name);
        if (i >= 0)
            args[i + 1] = value;
        else
            args << name << value;
        return args;
    };
    QTest::newRow("no year") << QStringList{u"--lat"_s, u"59"_s, u"--lon"_s, u"24"_s}
                             << "--year is missing (see --help)"_ba;
    QTest::newRow("no latitude") << QStringList{u"--year"_s, u"2026"_s, u"--lon"_s, u"24"_s}
                                 << "--lat is missing (see --help)"_ba;
    QTest::newRow("no longitude") << QStringList{u"--year"_s, u"2026"_s, u"--lat"_s, u"59"_s}
                                  << "--lon is missing (see --help)"_ba;
    QTest::newRow("only a zone") << QStringList{u"--tz"_s, u"Europe/Tallinn"_s}
                                 << "--year is missing (see --help)"_ba;
    QTest::newRow("a value missing at the end")
        << QStringList{u"--lat"_s, u"59"_s, u"--lon"_s, u"24"_s, u"--year"_s}
        << "Missing value after '--year'."_ba;
    // Numbers: an optional sign, digits and a point with digits, in range.
    const std::map<std::string_view, const char *> range = {
        {"--year", "a year from 1900 to 3000"},
        {"--lat", "a latitude from -90 to 90"},
        {"--lon", "a longitude from -180 to 180"},
        {"--height", "a height from 0 to 9999 metres"},
    };
    const char *const badNumbers[][3] = {
        {"year 1899", "--year", "1899"},
        {"year 3001", "--year", "3001"},
        {"year not a number", "--year", "20x6"},
        {"year with decimals", "--year", "2026.5"},
        {"year with a group separator", "--year", "2,026"},
        {"latitude 90.5", "--lat", "90.5"},
        {"latitude -91", "--lat", "-91"},
        {"latitude with a decimal comma", "--lat", "59,437"},
        {"latitude with a comma inside the range", "--lat", "0,059"},
        {"latitude with a blank", "--lat", " 59.4"},
        {"latitude with an exponent", "--lat", "1e1"},
        {"latitude without digits before the point", "--lat", ".5"},
        {"latitude nan", "--lat", "nan"},
        {"longitude 180.1", "--lon", "180.1"},
        {"longitude inf", "--lon", "inf"},
        {"longitude empty", "--lon", ""},
        {"longitude without digits after the point", "--lon", "24."},
        {"height -1", "--height", "-1"},
        {"height 10000", "--height", "10000"},
        {"height with a group separator", "--height", "1,234"},
    };
    for (const auto &[row, option, value] : badNumbers)
        QTest::newRow(row) << with(QString::fromUtf8(option), QString::fromUtf8(value))
                           << QByteArray(option) + " '" + value + "' is not " + range.at(option);

    const char *const unknownZones[][2] = {
        {"a zone that never was", "Europe/Atlantis"},
        {"a city without its region", "Tallinn"},
        {"another city without its region", "Helsinki"},
        {"a word", "XYZ"},
        {"the system's own clock, no zone", "localtime"},
        {"the zone of a system nobody set", "Factory"},
        {"a POSIX rule", "abc1"},
        {"a zone counting leap seconds", "right/Europe/Tallinn"},
        {"an offset, not a zone", "UTC+02:00"},
        {"an empty zone", ""},
    };
    for (const auto &[row, zone] : unknownZones)
        QTest::newRow(row) << with(u"--tz"_s, QString::fromUtf8(zone))
                           << "--tz '"_ba + zone + "' is not a known time zone (e.g. Europe/Tallinn)";

    QTest::newRow("unknown option") << kTallinn2026 + QStringList{u"--colour"_s}
                                    << "unknown option '--colour'"_ba;
    QTest::newRow("a stray argument")
        << kTallinn2026 + QStringList{u"Tallinn"_s} << "unexpected argument 'Tallinn'"_ba;
    QTest::newRow("year given twice")
        << kTallinn2026 + QStringList{u"--year"_s, u"2027"_s} << "--year given more than once"_ba;
    QTest::newRow("a single-dash word alone, no window")
        << QStringList{u"-year"_s, u"2026"_s} << "unknown option '-year' (did you mean --year?)"_ba;
    QTest::newRow("a single-dash word among right options")
        << QStringList{u"--year"_s, u"2026"_s, u"-lat=59"_s, u"--lon"_s, u"24"_s}
        << "unknown option '-lat=59' (did you mean --lat?)"_ba;
    QTest::newRow("a switch given a value") << QStringList{u"--help=all"_s} << "--help takes no value"_ba;
    QTest::newRow("a long value is cut to 40 characters")
        << with(u"--tz"_s, QString(100, u'x'))
        << "--tz 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' is not a known time zone (e.g. Europe/Tallinn)"_ba;
    QTest::newRow("control characters are escaped")
        << with(u"--tz"_s, u"Europe/\nTallinn\t\x1b[0m"_s)
        << "--tz 'Europe/\\nTallinn\\t\\x1b[0m' is not a known time zone (e.g. Europe/Tallinn)"_ba;
    QTest::newRow("a line separator is escaped")
        << kTallinn2026 + QStringList{u"--a\u2028b"_s} << "unknown option '--a\\u2028b'"_ba;
}

void tst_CommandLine::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    const Run run = runVorandel(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, "vorandel: "_ba + message + '\n');
}

void tst_CommandLine::writeFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed");  // standard output closed, else a full disk
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("the table, to a full disk")
        << kTallinn2026 << false << "vorandel: cannot write the table: No space left on device\n"_ba;
    QTest::newRow("the table, to a closed output")
        << kTallinn2026 << true << "vorandel: cannot write the table: Bad file descriptor\n"_ba;
    QTest::newRow("the help, to a closed output")
        << QStringList{u"--help"_s} << true << "vorandel: cannot write the help: Bad file descriptor\n"_ba;
    QTest::newRow("the version, to a full disk")
        << QStringList{u"--version"_s} << false
        << "vorandel: cannot write the version: No space left on device\n"_ba;
}

void tst_CommandLine::writeFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QFETCH(QByteArray, message);
    if (!closed && !QFile::exists(u"/dev/full"_s))
        QSKIP("no /dev/full here");
    Setup setup;
    if (closed)
        setup.inChild = [] { ::close(STDOUT_FILENO); };
    else
        setup.stdoutFile = u"/dev/full"_s;
    const Run run = runVorandel(arguments, setup);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, message);
}

void tst_CommandLine::zoneDatabase_data()
{
    QTest::addColumn<QString>("zoneFolder");  // TZDIR below a temporary folder; empty: not set
    QTest::addColumn<int>("descriptors");  // a limit on open files; 0: none
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");  // %1: the temporary folder

    QTest::newRow("TZDIR an empty folder")
        << u"empty"_s << 0 << kTallinn2026 << 1
        << u"vorandel: cannot read the time-zone database: %1/empty/tzdata.zi: No such file or directory\n"_s;
    QTest::newRow("TZDIR a folder that does not exist")
        << u"missing"_s << 0 << kTallinn2026 + QStringList{u"--tz=Europe/Helsinki"_s} << 1
        << u"vorandel: cannot read the time-zone database: %1/missing/tzdata.zi: No such file or directory\n"_s;
    QTest::newRow("UTC needs no database")
        << u"empty"_s << 0 << kTallinn2026 + QStringList{u"--tz=UTC"_s} << 0 << QString();
    QTest::newRow("too few descriptors to open the database")
        << QString() << 4 << kTallinn2026 << 1
        << u"vorandel: cannot read the time-zone database: /usr/share/zoneinfo/tzdata.zi: Too many open files\n"_s;
}

void tst_CommandLine::zoneDatabase()
{
    QFETCH(QString, zoneFolder);
    QFETCH(int, descriptors);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QVERIFY(QDir(temporary.path()).mkdir(u"empty"_s));
    Setup setup;
    if (!zoneFolder.isEmpty())
        setup.zoneFolder = temporary.filePath(zoneFolder);
#if defined(__SANITIZE_ADDRESS__)
    if (descriptors > 0)
        QSKIP("the sanitizers' checks open descriptors of their own");
#endif
    if (descriptors > 0)
        setup.inChild = [descriptors] {
            // As from a shell: only 0-2 open, not what the test runner let this test inherit.
            for (int fd = 3; fd < 1024; ++fd)
                if (const int flags = fcntl(fd, F_GETFD); flags != -1 && !(flags & FD_CLOEXEC))
                    ::close(fd);
            const rlimit limit{rlim_t(descriptors), rlim_t(descriptors)};
            setrlimit(RLIMIT_NOFILE, &limit);
        };
    const Run run = runVorandel(arguments, setup);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(QString::fromUtf8(run.err), message.replace(u"%1"_s, temporary.path()));
    if (exitCode == 0)
        QCOMPARE(rowsOf(run.out).size(), 1 + 365);
    else
        QCOMPARE(run.out, QByteArray());
}

// Between too little memory to load the libraries and enough for the table
// lies a band where the run's own allocations fail. The failure nearest to
// enough, found by halving, is said in one line, never an abort.
void tst_CommandLine::outOfMemoryIsSaid()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer reserves more address space than any limit leaves");
#endif
    const auto runWithin = [](rlim_t bytes) {
        Setup setup;
        setup.inChild = [bytes] {
            const rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_AS, &limit);
        };
        return runVorandel(kTallinn2026, setup);
    };
    rlim_t failing = 1 << 20, enough = rlim_t(4) << 30;
    QCOMPARE(runWithin(enough).exitCode, 0);
    QVERIFY(runWithin(failing).exitCode != 0);
    while (enough - failing > 16 * 1024) {
        const rlim_t middle = failing + (enough - failing) / 2;
        (runWithin(middle).exitCode == 0 ? enough : failing) = middle;
    }
    const Run run = runWithin(failing);
    QCOMPARE(run.err, "vorandel: out of memory\n"_ba);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
