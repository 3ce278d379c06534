// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, run as a separate process with no display at all: the
// year table it writes and the arguments it refuses.
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Every wait is bounded: a hanging program fails the test instead of the run.
Run runVorandel(const QStringList &arguments, const QString &stdoutFile = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
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
    void keyDates_data();
    void keyDates();
    void helpAndVersion();
    void refusals_data();
    void refusals();
    void writeFailureIsNoSuccess();
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
    for (const char *option : {"--year", "--lat", "--lon", "--height", "--tz", "--key-dates"})
        QVERIFY2(help.out.contains(option), option);
}

void tst_CommandLine::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    const auto with = [](const QString &name, const QString &value) {
        QStringList args = kTallinn2026;
        const qsizetype i = args.indexOf(name);
        if (i >= 0)
            args[i + 1] = value;
        else
            args << name << value;
        return args;
    };
    QTest::newRow("no year") << QStringList{u"--lat"_s, u"59"_s, u"--lon"_s, u"24"_s};
    QTest::newRow("no latitude") << QStringList{u"--year"_s, u"2026"_s, u"--lon"_s, u"24"_s};
    QTest::newRow("no longitude") << QStringList{u"--year"_s, u"2026"_s, u"--lat"_s, u"59"_s};
    QTest::newRow("only a zone") << QStringList{u"--tz"_s, u"Europe/Tallinn"_s};
    QTest::newRow("a value missing at the end")
        << QStringList{u"--lat"_s, u"59"_s, u"--lon"_s, u"24"_s, u"--year"_s};
    QTest::newRow("year 1899") << with(u"--year"_s, u"1899"_s);
    QTest::newRow("year 3001") << with(u"--year"_s, u"3001"_s);
    QTest::newRow("year not a number") << with(u"--year"_s, u"20x6"_s);
    QTest::newRow("year with decimals") << with(u"--year"_s, u"2026.5"_s);
    QTest::newRow("latitude 90.5") << with(u"--lat"_s, u"90.5"_s);
    QTest::newRow("latitude -91") << with(u"--lat"_s, u"-91"_s);
    QTest::newRow("latitude with a decimal comma") << with(u"--lat"_s, u"59,437"_s);
    QTest::newRow("latitude nan") << with(u"--lat"_s, u"nan"_s);
    QTest::newRow("longitude 180.1") << with(u"--lon"_s, u"180.1"_s);
    QTest::newRow("longitude inf") << with(u"--lon"_s, u"inf"_s);
    QTest::newRow("longitude empty") << with(u"--lon"_s, u""_s);
    QTest::newRow("height -1") << with(u"--height"_s, u"-1"_s);
    QTest::newRow("height 10000") << with(u"--height"_s, u"10000"_s);
    QTest::newRow("unknown zone") << with(u"--tz"_s, u"Europe/Atlantis"_s);
    QTest::newRow("unknown option") << kTallinn2026 + QStringList{u"--colour"_s};
    QTest::newRow("a stray argument") << kTallinn2026 + QStringList{u"Tallinn"_s};
    QTest::newRow("year given twice") << kTallinn2026 + QStringList{u"--year"_s, u"2027"_s};
}

void tst_CommandLine::refusals()
{
    QFETCH(QStringList, arguments);
    const Run run = runVorandel(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("vorandel: "), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.endsWith('\n'));
}

void tst_CommandLine::writeFailureIsNoSuccess()
{
    if (!QFile::exists(u"/dev/full"_s))
        QSKIP("no /dev/full here");
    const Run run = runVorandel(kTallinn2026, u"/dev/full"_s);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("vorandel: "), run.err.constData());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
