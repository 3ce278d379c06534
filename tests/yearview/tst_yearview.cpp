// SPDX-License-Identifier: GPL-3.0-or-later
// The year overview window on its own: title, table, readout and keys, the
// exports and their failures.
#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/frmViga.h"
#include "yearview/frmAasta.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(yearview::YearRequest)

namespace {

// The request the main window makes for an observation and the place's name.
yearview::YearRequest request(const solar::Observation &obs, const QString &name)
{
    yearview::YearRequest r;
    r.observation = obs;
    r.place = {solar::DecimalLatitude(obs), solar::DecimalLongitude(obs), double(obs.heightMetres)};
    r.year = obs.year;
    r.placeName = name;
    return r;
}

// Tallinn, Kesklinn: 59° 26' 00'' N, 24° 44' 45'' E, 6 m.
yearview::YearRequest tallinn(int year, int day = 21, int month = 6)
{
    return request(
        {std::int16_t(day), std::int16_t(month), std::int16_t(year), 59, 26, 0, 24, 44, 45, 6, false},
        u"Tallinn, Kesklinn"_s);
}

// Tromsø, beyond the polar circle: 69° 39' 00'' N, 18° 57' 00'' E, 0 m.
yearview::YearRequest tromso(int year, int day, int month)
{
    return request(
        {std::int16_t(day), std::int16_t(month), std::int16_t(year), 69, 39, 0, 18, 57, 0, 0, false},
        u"69° 39' 00'' p.l., 18° 57' 00'' i.p."_s);
}

}  // namespace

class TestYearView : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void titleAndPlace();
    void rowsOfTheYear_data();
    void rowsOfTheYear();
    void keysMoveTheReadout();
    void readoutOfSpecialDays_data();
    void readoutOfSpecialDays();
    void tableShowsLegalTimeAndOffset();
    void csvIsTheCommandLinesOutput();
    void picturesAreWritten_data();
    void picturesAreWritten();
    void unwritablePathIsReported_data();
    void unwritablePathIsReported();
    void escCloses();
    void texts_data();
    void texts();
    void everyControlByTabWithAName();
    void tableFollowsTheMarker();
    void mousePointsAtADate();
    void secondRequestReusesTheWindow();
};

void TestYearView::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmViga *>(w) || !w->isVisible(), "a notice was left open");
}

void TestYearView::titleAndPlace()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    QCOMPARE(w.windowTitle(), u"Aasta ülevaade: Tallinn, Kesklinn, 2026"_s);
    QCOMPARE(w.objectName(), u"frmAasta"_s);
    w.ShowYear(tromso(2026, 1, 1));
    QCOMPARE(w.windowTitle(), u"Aasta ülevaade: 69° 39' 00'' p.l., 18° 57' 00'' i.p., 2026"_s);
}

void TestYearView::rowsOfTheYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("rows");
    QTest::newRow("2026, a common year") << 2026 << 365;
    QTest::newRow("2024, a leap year") << 2024 << 366;
    QTest::newRow("2000, a leap century year") << 2000 << 366;
    QTest::newRow("1900, a common century year") << 1900 << 365;
}

void TestYearView::rowsOfTheYear()
{
    QFETCH(int, year);
    QFETCH(int, rows);
    frmAasta w(nullptr);
    w.ShowYear(tallinn(year, 1, 1));
    QCOMPARE(w.tblAasta->model()->rowCount(), rows);
    QCOMPARE(w.tblAasta->model()->index(0, 0).data().toString(), u"01.01.%1"_s.arg(year));
    QCOMPARE(w.tblAasta->model()->index(rows - 1, 0).data().toString(), u"31.12.%1"_s.arg(year));
}

void TestYearView::keysMoveTheReadout()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.chtAasta->setFocus();
    QCOMPARE(w.marker(), 171);  // the observation's date
    QVERIFY(w.lblNäit->text().startsWith(u"pühapäev 21.06.2026;"_s));

    const struct {
        Qt::Key key;
        const char16_t *start;
    } steps[] = {
        {Qt::Key_Right, u"esmaspäev 22.06.2026;"},    {Qt::Key_Left, u"pühapäev 21.06.2026;"},
        {Qt::Key_PageDown, u"teisipäev 21.07.2026;"}, {Qt::Key_PageUp, u"pühapäev 21.06.2026;"},
        {Qt::Key_End, u"neljapäev 31.12.2026;"},      {Qt::Key_Right, u"neljapäev 31.12.2026;"},
        {Qt::Key_Home, u"neljapäev 01.01.2026;"},     {Qt::Key_PageUp, u"neljapäev 01.01.2026;"},
    };
    for (const auto &step : steps) {
        QTest::keyClick(w.chtAasta, step.key);
        const QString text = w.lblNäit->text();
        QVERIFY2(text.startsWith(QString::fromUtf16(step.start)), qPrintable(text));
        // What a screen reader on the chart is told.
        QCOMPARE(w.chtAasta->accessibleDescription(), text);
    }
    // The day length and its change from the day before.
    QTest::keyClick(w.chtAasta, Qt::Key_Right);
    QVERIFY(w.lblNäit->text().contains(u"eilsega võrreldes)"_s));
}

void TestYearView::readoutOfSpecialDays_data()
{
    QTest::addColumn<yearview::YearRequest>("request");
    QTest::addColumn<QStringList>("expected");
    // In Tallinn the astronomical and nautical twilights do not end around midsummer.
    QTest::newRow("Tallinn, 21 June: white night")
        << tallinn(2026, 21, 6)
        << QStringList{u"koit: astronoomiline kogu öö, navigatsiooniline kogu öö, tsiviil 02:"_s,
                       u"navigatsiooniline ei lõpe, astronoomiline ei lõpe"_s};
    QTest::newRow("Tallinn, 21 December: the nights are dark")
        << tallinn(2026, 21, 12) << QStringList{u"koit: astronoomiline 06:"_s, u"astronoomiline 18:"_s};
    QTest::newRow("Tallinn, 21 December: every event")
        << tallinn(2026, 21, 12) << QStringList{u"päikesetõus 09:"_s, u"päikeseloojang 15:"_s};
    QTest::newRow("Tromsø, 21 June: polar day")
        << tromso(2026, 21, 6) << QStringList{u"päikesetõus polaarpäev"_s, u"päeva pikkus 24:00:00"_s};
    QTest::newRow("Tromsø, 21 December: polar night")
        << tromso(2026, 21, 12) << QStringList{u"päikesetõus polaaröö"_s, u"päeva pikkus 00:00:00"_s};
}

void TestYearView::readoutOfSpecialDays()
{
    QFETCH(yearview::YearRequest, request);
    QFETCH(QStringList, expected);
    frmAasta w(nullptr);
    w.ShowYear(request);
    for (const QString &part : expected)
        QVERIFY2(w.lblNäit->text().contains(part), qPrintable(w.lblNäit->text()));
}

void TestYearView::tableShowsLegalTimeAndOffset()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    const QAbstractItemModel *m = w.tblAasta->model();
    // 1 March: winter time; 1 July: summer time; the window's own sunrise in its season's clock.
    QCOMPARE(m->index(59, 1).data().toString(), u"+02:00"_s);
    QCOMPARE(m->index(181, 1).data().toString(), u"+03:00"_s);
    QVERIFY(m->index(181, 12).data().toString().endsWith(u"(GMT +3)"_s));
    QVERIFY(m->index(0, 12).data().toString().endsWith(u"(GMT +2)"_s));
    // Midsummer: no astronomical dusk.
    QCOMPARE(m->index(171, 10).data().toString(), QString());
    QCOMPARE(m->headerData(5, Qt::Horizontal).toString(), u"Päikesetõus"_s);
}

void TestYearView::csvIsTheCommandLinesOutput()
{
    frmAasta w(nullptr);
    const yearview::YearRequest request = tallinn(2026);
    w.ShowYear(request);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"aasta.csv"_s);
    QVERIFY(w.SaveTable(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));

    QProcess program;
    program.start(QStringLiteral(VORANDEL_PROGRAM),
                  {u"--year"_s, u"2026"_s, u"--lat"_s,
                   QString::number(request.place.latitudeDegrees, 'g', 17), u"--lon"_s,
                   QString::number(request.place.longitudeDegrees, 'g', 17), u"--height"_s, u"6"_s});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    const QByteArray expected = program.readAllStandardOutput();
    QVERIFY(expected.startsWith("date,astronomical_dawn,"));
    QCOMPARE(saved.readAll(), expected);
}

void TestYearView::picturesAreWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PNG") << u"aasta.png"_s << QByteArray("\x89PNG");
    QTest::newRow("SVG") << u"aasta.svg"_s << QByteArray("<?xml");
}

void TestYearView::picturesAreWritten()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    w.askSavePath = [&path](const QString &, const QString &, const QString &) { return path; };
    w.cmdSalvestaPilt->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(start));
    QVERIFY(bytes.size() > 10000);
}

void TestYearView::unwritablePathIsReported_data()
{
    // The tests may run as root, for whom a folder without write permission is
    // no obstacle: these paths fail for every user.
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that is a regular file") << u"file"_s;
    QTest::newRow("the kernel's /proc") << u"/proc"_s;
}

void TestYearView::unwritablePathIsReported()
{
    QFETCH(QString, where);
    QTemporaryDir dir;
    QString folder = where;
    if (where == u"file"_s) {
        folder = dir.filePath(u"tavaline-fail"_s);
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    const QString path = folder + u"/aasta.csv"_s;

    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList lines;
    QTimer::singleShot(0, &w, [&lines] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<frmViga *>(QApplication::activeModalWidget()), 5000);
        auto *dlg = qobject_cast<frmViga *>(QApplication::activeModalWidget());
        lines << dlg->windowTitle() << dlg->lblEsimene->text() << dlg->lblTeine->text();
        dlg->Command1->click();
    });
    QVERIFY(!w.SaveTable(path));
    QCOMPARE(lines.value(0), u"Salvestamine ebaõnnestus"_s);
    QVERIFY(lines.value(1).startsWith(u"Faili ei saa luua"_s));
    QCOMPARE(lines.value(2), path);
    QVERIFY(!QFile::exists(path));
}

void TestYearView::escCloses()
{
    QWidget owner;
    owner.show();
    frmAasta *w = yearview::showOverview(&owner, tallinn(2026));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    // It closes with its owner too.
    w = yearview::showOverview(&owner, tallinn(2026));
    QVERIFY(w->isVisible());
    owner.close();
    QVERIFY(!w->isVisible());
}

void TestYearView::secondRequestReusesTheWindow()
{
    QWidget owner;
    frmAasta *first = yearview::showOverview(&owner, tallinn(2026));
    frmAasta *second = yearview::showOverview(&owner, tromso(2025, 1, 3));
    QCOMPARE(second, first);
    QCOMPARE(owner.findChildren<frmAasta *>().size(), 1);
    QCOMPARE(second->tblAasta->model()->rowCount(), 365);
    QVERIFY(second->windowTitle().endsWith(u", 2025"_s));
    QCOMPARE(second->marker(), 59);  // 1 March
}

void TestYearView::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a clock time") << yearview::clockText(4.0 + 2 / 60.0 + 40 / 3600.0) << u"04:02:40"_s;
    QTest::newRow("rounded to the second") << yearview::clockText(13.0 + 59.6 / 3600.0) << u"13:01:00"_s;
    QTest::newRow("after the next midnight")
        << yearview::clockText(24.0 + 16 / 60.0 + 5 / 3600.0) << u"00:16:05 (+1)"_s;
    QTest::newRow("before the date's midnight") << yearview::clockText(-0.5) << u"23:30:00 (−1)"_s;
    QTest::newRow("offset east") << yearview::offsetText(3 * 3600) << u"+03:00"_s;
    QTest::newRow("offset west, half an hour") << yearview::offsetText(-(3 * 3600 + 1800)) << u"-03:30"_s;
    QTest::newRow("offset before 1921") << yearview::offsetText(5940) << u"+01:39"_s;
    QTest::newRow("a day that never ends") << yearview::durationText(86400) << u"24:00:00"_s;
    QTest::newRow("no day") << yearview::durationText(0) << u"00:00:00"_s;
    QTest::newRow("longer by a minute") << yearview::changeText(66) << u"+1 min 6 s"_s;
    QTest::newRow("shorter") << yearview::changeText(-146) << u"−2 min 26 s"_s;
    QTest::newRow("shorter by seconds") << yearview::changeText(-2.4) << u"−2 s"_s;
    QTest::newRow("no change") << yearview::changeText(0.4) << u"0 s"_s;
    QTest::newRow("month names") << yearview::monthAbbreviation(1) + u' ' + yearview::monthAbbreviation(3)
            + u' ' + yearview::monthAbbreviation(12)
                                 << u"jaan märts dets"_s;
}

void TestYearView::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestYearView::everyControlByTabWithAName()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto reached = [&w] {
        QSet<QWidget *> seen;
        w.tabAasta->tabBar()->setFocus();
        for (int i = 0; i < 12; ++i) {
            seen.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return seen;
    };
    QSet<QWidget *> seen = reached();
    for (QWidget *control : std::initializer_list<QWidget *>{w.chtAasta, w.chtPäevaPikkus, w.cmdSalvestaTabel,
                                                             w.cmdSalvestaPilt, w.cmdSulge})
        QVERIFY2(seen.contains(control), qPrintable(control->objectName()));
    w.tabAasta->setCurrentWidget(w.tblAasta);
    QVERIFY(reached().contains(w.tblAasta));

    for (QWidget *control :
         std::initializer_list<QWidget *>{w.tabAasta, w.chtAasta, w.chtPäevaPikkus, w.lblNäit, w.tblAasta,
                                          w.cmdSalvestaTabel, w.cmdSalvestaPilt, w.cmdSulge}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
        QVERIFY(a);
        QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
    QAccessibleInterface *readout = QAccessible::queryAccessibleInterface(w.lblNäit);
    QVERIFY(readout->text(QAccessible::Name).contains(u"21.06.2026"_s)
            || readout->text(QAccessible::Description).contains(u"21.06.2026"_s)
            || w.lblNäit->text().contains(u"21.06.2026"_s));
}

void TestYearView::tableFollowsTheMarker()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 7, 12));
    QCOMPARE(w.tblAasta->currentIndex().row(), 340);
    w.SetMarker(10);
    QCOMPARE(w.tblAasta->currentIndex().row(), 10);
    // And a row chosen in the table moves the marker.
    w.tblAasta->setCurrentIndex(w.tblAasta->model()->index(100, 3));
    QCOMPARE(w.marker(), 100);
    QVERIFY(w.lblNäit->text().contains(u"11.04.2026"_s));
}

void TestYearView::mousePointsAtADate()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QChartView *view : {w.chtAasta, w.chtPäevaPikkus}) {
        for (const int date : {100, 300}) {
            // The middle of the date's column, at noon.
            const QPointF inChart = view->chart()->mapToPosition(QPointF(date + 0.5, 12));
            const QPoint at = view->mapFromScene(view->chart()->mapToScene(inChart));
            QTest::mouseMove(view->viewport(), at);
            QTRY_COMPARE(w.marker(), date);
        }
    }
    QVERIFY(w.lblNäit->text().contains(u"28.10.2026"_s));
}

QTEST_MAIN(TestYearView)
#include "tst_yearview.moc"
