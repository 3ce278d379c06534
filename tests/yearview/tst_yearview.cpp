// SPDX-License-Identifier: GPL-3.0-or-later
// The year overview window on its own: title, table, readout and keys, the
// exports and their failures.
#include <QAccessible>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include "shell/frmViga.h"
#include "shell/pictures.h"
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
    void savedNameCarriesPlaceAndYear();
    void unwritablePathIsReported_data();
    void unwritablePathIsReported();
    void failureReasons_data();
    void failureReasons();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void specialTargetsAreRefused_data();
    void specialTargetsAreRefused();
    void linksAreReplaced_data();
    void linksAreReplaced();
    void escCloses();
    void texts_data();
    void texts();
    void everyControlByTabWithAName();
    void screenReaderReadsTheReadout();
    void withoutZoneDataTheClockIsUtc();
    void chartsTellTheirLines();
    void focusAndMarkerAreVisible();
    void fitsSmallScreens_data();
    void fitsSmallScreens();
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
    QVERIFY(w.lblNäit->text().contains(u" s pikem)"_s));
}

void TestYearView::readoutOfSpecialDays_data()
{
    QTest::addColumn<yearview::YearRequest>("request");
    QTest::addColumn<QStringList>("expected");
    // In Tallinn the astronomical and nautical twilights do not end around midsummer.
    QTest::newRow("Tallinn, 21 June: white night")
        << tallinn(2026, 21, 6)
        << QStringList{u"; Astronoomilise hämariku algus puudub (hämarik kogu öö); "_s,
                       u"; Tsiviilhämariku algus 02:"_s,
                       u"; Navigatsioonilise hämariku lõpp puudub (hämarik kogu öö); "_s,
                       u"; Päeva pikkus 18 h 41 min 44 s (eilsest 4 s pikem)"_s};
    QTest::newRow("Tallinn, 1 July: every word")
        << tallinn(2026, 1, 7)
        << QStringList{u"kolmapäev 01.07.2026; Astronoomilise hämariku algus puudub"_s,
                       u"; Päikesetõus 04:"_s,
                       u"; Keskpäev 13:"_s,
                       u"; Päikeseloojang 22:"_s,
                       u"; Tsiviilhämariku lõpp 00:07:56 (+1)"_s,
                       u"; Päeva pikkus 18 h "_s,
                       u"(eilsest 1 min "_s,
                       u" s lühem)"_s};
    QTest::newRow("Tallinn, 21 December: the nights are dark")
        << tallinn(2026, 21, 12)
        << QStringList{u"; Astronoomilise hämariku algus 06:"_s, u"; Astronoomilise hämariku lõpp 18:"_s};
    QTest::newRow("Tromsø, 21 June: polar day")
        << tromso(2026, 21, 6)
        << QStringList{u"; Päikesetõus päike ei looju (polaarpäev); "_s,
                       u"; Päeva pikkus 24 h 00 min 00 s"_s};
    QTest::newRow("Tromsø, 21 December: polar night")
        << tromso(2026, 21, 12)
        << QStringList{u"; Päikeseloojang päike ei tõuse (polaaröö); "_s,
                       u"; Päeva pikkus 0 h 00 min 00 s"_s};
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
    QCOMPARE(m->index(171, 10).data().toString(), u"puudub (hämarik kogu öö)"_s);
    const QStringList headers{u"Kuupäev"_s,
                              u"UTC-nihe"_s,
                              u"Astronoomilise hämariku algus"_s,
                              u"Navigatsioonilise hämariku algus"_s,
                              u"Tsiviilhämariku algus"_s,
                              u"Päikesetõus"_s,
                              u"Keskpäev"_s,
                              u"Päikeseloojang"_s,
                              u"Tsiviilhämariku lõpp"_s,
                              u"Navigatsioonilise hämariku lõpp"_s,
                              u"Astronoomilise hämariku lõpp"_s,
                              u"Päeva pikkus"_s,
                              u"Ligikaudne tõus (põhiaken)"_s,
                              u"Ligikaudne loojang (põhiaken)"_s};
    for (int c = 0; c < headers.size(); ++c)
        QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), headers[c]);
    QCOMPARE(m->index(171, 11).data().toString(), u"18 h 41 min 44 s"_s);
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
    // The chosen filter decides the format; the missing ending is added.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PNG") << u"aasta.png"_s << u"PNG-pilt (*.png)"_s << u"aasta.png"_s
                         << QByteArray("\x89PNG");
    QTest::newRow("SVG") << u"aasta.svg"_s << u"SVG-pilt (*.svg)"_s << u"aasta.svg"_s << QByteArray("<?xml");
    QTest::newRow("PNG, no ending") << u"aasta"_s << u"PNG-pilt (*.png)"_s << u"aasta.png"_s
                                    << QByteArray("\x89PNG");
    QTest::newRow("SVG filter, a PNG name")
        << u"aasta.png"_s << u"SVG-pilt (*.svg)"_s << u"aasta.png.svg"_s << QByteArray("<?xml");
}

void TestYearView::picturesAreWritten()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTemporaryDir dir;
    QString suggested;
    w.askSavePath = [&](const QString &, const QString &offered, const QString &, QString *chosen) {
        suggested = offered;
        *chosen = filter;
        return dir.filePath(typed);
    };
    w.cmdSalvestaPilt->click();
    QCOMPARE(QFileInfo(suggested).fileName(), u"päike-tallinn-kesklinn-2026.png"_s);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(start));
    QVERIFY(bytes.size() > 10000);
    if (start.startsWith("<?xml")) {
        // The title line, and the legend that tells the window's curves from the precise ones.
        for (const QString &text : {u"Tallinn, Kesklinn, 2026 — Eesti seaduslik aeg"_s,
                                    u"ligikaudne tõus (põhiaken)"_s, u"päikesetõus"_s})
            QVERIFY2(QString::fromUtf8(bytes).contains(text.toHtmlEscaped()), qPrintable(text));
    }
    // The next dialog opens where this one saved.
    w.cmdSalvestaTabel->click();
    QCOMPARE(suggested, dir.filePath(u"päike-tallinn-kesklinn-2026.csv"_s));
}

void TestYearView::savedNameCarriesPlaceAndYear()
{
    QCOMPARE(yearview::fileBaseName(tallinn(2026)), u"päike-tallinn-kesklinn-2026"_s);
    QCOMPARE(yearview::fileBaseName(tromso(2026, 1, 1)), u"päike-69n39-18i57-2026"_s);
}

// The notice that a save shows: title, lines and whether it carries the warning sign.
struct Notice {
    QStringList lines;
    bool warning = false;
};

static void catchNotice(QObject *context, Notice &notice)
{
    QTimer::singleShot(0, context, [&notice] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<frmViga *>(QApplication::activeModalWidget()), 5000);
        auto *dlg = qobject_cast<frmViga *>(QApplication::activeModalWidget());
        notice.lines << dlg->windowTitle() << dlg->lblEsimene->text() << dlg->lblTeine->text()
                     << dlg->lblKolmas->text();
        notice.warning = dlg->Image1->pixmap().toImage() == pictures::warning(32).toImage();
        dlg->Command1->click();
    });
}

void TestYearView::unwritablePathIsReported_data()
{
    // The tests may run as root, for whom a folder without write permission is
    // no obstacle: these paths fail for every user.
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder that is a regular file") << u"file"_s << u"Kausta pole"_s;
    QTest::newRow("a folder that does not exist") << u"missing"_s << u"Kausta pole"_s;
    QTest::newRow("the kernel's /proc") << u"/proc"_s << u"Kausta pole"_s;
}

void TestYearView::unwritablePathIsReported()
{
    QFETCH(QString, where);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString folder = where;
    if (where == u"file"_s) {
        folder = dir.filePath(u"tavaline-fail"_s);
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    } else if (where == u"missing"_s) {
        folder = dir.filePath(u"pole"_s);
    }
    const QString path = folder + u"/aasta.csv"_s;

    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Notice notice;
    catchNotice(&w, notice);
    QVERIFY(!w.SaveTable(path));
    QCOMPARE(notice.lines, QStringList({u"Salvestamine ebaõnnestus"_s, reason, path, QString()}));
    QVERIFY(notice.warning);
    QVERIFY(!QFile::exists(path));
}

void TestYearView::failureReasons_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << ENOSPC << u"Kettal pole ruumi"_s;
    QTest::newRow("quota") << EDQUOT << u"Kettal pole ruumi"_s;
    QTest::newRow("no permission") << EACCES << u"Sellesse kausta ei saa kirjutada"_s;
    QTest::newRow("read-only file system") << EROFS << u"Sellesse kausta ei saa kirjutada"_s;
    QTest::newRow("no folder") << ENOENT << u"Kausta pole"_s;
    QTest::newRow("a folder") << EISDIR << u"Sihtkoht on kaust"_s;
}

void TestYearView::failureReasons()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QCOMPARE(yearview::failureReason(error), reason);
}

// Every format, saved over an old file on a file system with no room left.
void TestYearView::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("CSV") << u"aasta.csv"_s;
    QTest::newRow("PNG") << u"aasta.png"_s;
    QTest::newRow("SVG") << u"aasta.svg"_s;
}

void TestYearView::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess mount;
    mount.start(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, dir.path()});
    if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
        QSKIP("cannot mount a small tmpfs to fill (needs root and a system that allows mounts)");
    const auto unmount = qScopeGuard([&dir] {
        QProcess umount;
        umount.start(u"umount"_s, {dir.path()});
        umount.waitForFinished(10000);
    });
    const QString path = dir.filePath(name);
    const QByteArray old("vana fail\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
        QVERIFY(file.flush());
        // Everything else the file system holds.
        QFile filler(dir.filePath(u"täide"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        for (int i = 0; i < 64 && filler.write(block) == block.size(); ++i) { }
    }

    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Notice notice;
    catchNotice(&w, notice);
    const bool saved = name.endsWith(u".csv"_s)
        ? w.SaveTable(path)
        : w.SavePicture(
            path, name.endsWith(u".svg"_s) ? yearview::PictureFormat::Svg : yearview::PictureFormat::Png);
    QVERIFY(!saved);
    QCOMPARE(notice.lines.value(1), u"Kettal pole ruumi"_s);
    QVERIFY(notice.warning);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList({name, u"täide"_s}));
}

// What is at the chosen path when it is not a regular file.
void TestYearView::specialTargetsAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << u"folder"_s << u"Sihtkoht on kaust"_s;
    QTest::newRow("a FIFO") << u"fifo"_s << u"Sihtkoht pole tavaline fail (seade, sokkel või toru)"_s;
    QTest::newRow("a socket") << u"socket"_s << u"Sihtkoht pole tavaline fail (seade, sokkel või toru)"_s;
    QTest::newRow("a device node") << u"device"_s
                                   << u"Sihtkoht pole tavaline fail (seade, sokkel või toru)"_s;
}

void TestYearView::specialTargetsAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"aasta.csv"_s);
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    const auto closeSocket = qScopeGuard([&fd] {
        if (fd >= 0)
            ::close(fd);
    });
    if (kind == u"folder"_s) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == u"fifo"_s) {
        QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    } else if (kind == u"socket"_s) {
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(std::size_t(native.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    } else if (::mknod(native.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        QSKIP("cannot make a device node here (needs root outside a restricted container)");
    }
    const QFileInfo before(path);

    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Notice notice;
    catchNotice(&w, notice);
    QVERIFY(!w.SaveTable(path));
    QCOMPARE(notice.lines.value(1), reason);
    QVERIFY(notice.warning);
    struct stat after {
    };
    QCOMPARE(::lstat(native.constData(), &after), 0);
    QVERIFY2(!S_ISREG(after.st_mode), "the special file was replaced by a regular one");
    QCOMPARE(QFileInfo(path).isDir(), before.isDir());
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
        QStringList{u"aasta.csv"_s});
}

// A symbolic link at the chosen path is replaced by the file; what it points
// to stays as it was.
void TestYearView::linksAreReplaced_data()
{
    QTest::addColumn<bool>("live");
    QTest::newRow("a link to a file in another folder") << true;
    QTest::newRow("a dangling link") << false;
}

void TestYearView::linksAreReplaced()
{
    QFETCH(bool, live);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"muu"_s));
    const QString target = dir.filePath(u"muu/siht.csv"_s);
    const QString link = dir.filePath(u"aasta.csv"_s);
    const QByteArray old("vana fail\n");
    if (live) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QVERIFY(QFile::link(target, link));

    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    QVERIFY(w.SaveTable(link));
    const QFileInfo saved(link);
    QVERIFY(!saved.isSymLink());
    QVERIFY(saved.isFile());
    QVERIFY(saved.size() > 10000);
    QVERIFY(saved.permissions().testFlag(QFile::ReadOther));
    if (live) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    } else {
        QVERIFY(!QFileInfo::exists(target));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"aasta.csv"_s});
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
    QTest::newRow("a day that never ends") << yearview::durationText(86400) << u"24 h 00 min 00 s"_s;
    QTest::newRow("no day") << yearview::durationText(0) << u"0 h 00 min 00 s"_s;
    QTest::newRow("a day") << yearview::durationText(13 * 3600 + 6 * 60 + 48) << u"13 h 06 min 48 s"_s;
    QTest::newRow("longer by minutes") << yearview::changeText(5 * 60 + 21) << u"eilsest 5 min 21 s pikem"_s;
    QTest::newRow("shorter") << yearview::changeText(-146) << u"eilsest 2 min 26 s lühem"_s;
    QTest::newRow("shorter by seconds") << yearview::changeText(-2.4) << u"eilsest 2 s lühem"_s;
    QTest::newRow("no change") << yearview::changeText(0.4) << u"eilsega sama pikk"_s;
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << yearview::monthAbbreviation(m);
    QTest::newRow("month names") << months.join(u' ')
                                 << u"jaan. veebr. märts apr. mai juuni juuli aug. sept. okt. nov. dets."_s;
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

void TestYearView::screenReaderReadsTheReadout()
{
    // How often each move is told is checked out of process, through the
    // accessibility bus (the offscreen platform sends no events).
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.chtAasta->setFocus();
    QCOMPARE(w.chtAasta->accessibleName(), u"Päikese aeg aasta jooksul"_s);
    QCOMPARE(w.chtPäevaPikkus->accessibleName(), u"Päeva pikkus"_s);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Home}) {
        QTest::keyClick(w.chtAasta, key);
        const QString readout = w.lblNäit->text();
        QCOMPARE(QAccessible::queryAccessibleInterface(w.chtAasta)->text(QAccessible::Description), readout);
        QCOMPARE(QAccessible::queryAccessibleInterface(w.lblNäit)->text(QAccessible::Name), readout);
    }
    // One object is focused: the chart.
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.chtAasta->setFocus();
    QStringList focused;
    const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *a) {
        if (a->state().focused)
            focused << a->text(QAccessible::Name) + u'/'
                    + (a->object() ? a->object()->metaObject()->className() : "") + u'/'
                    + (a->object() ? a->object()->objectName() : QString());
        if (a->role() != QAccessible::Table)
            for (int i = 0; i < a->childCount(); ++i)
                walk(a->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&w));
    QCOMPARE(focused, QStringList{u"Päikese aeg aasta jooksul/QChartView/chtAasta"_s});
    // With the keyboard on the tab bar, its current tab is the focused one.
    w.tabAasta->tabBar()->setFocus();
    focused.clear();
    walk(QAccessible::queryAccessibleInterface(&w));
    QVERIFY2(focused.contains(u"Graafik//"_s), qPrintable(focused.join(u", "_s)));
    // Nothing of the toolkit's English: the tab bar's scroll buttons.
    const QList<QWidget *> controls = w.findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!name.contains(u"Scroll"_s), qPrintable(name));
    }
}

void TestYearView::withoutZoneDataTheClockIsUtc()
{
    QTemporaryDir empty;
    const QByteArray old = qgetenv("TZDIR");
    qputenv("TZDIR", QFile::encodeName(empty.path()));
    const auto restore = qScopeGuard([&old] {
        if (old.isNull())
            qunsetenv("TZDIR");
        else
            qputenv("TZDIR", old);
    });
    QWidget owner;
    Notice notice;
    catchNotice(&owner, notice);
    frmAasta *w = yearview::showOverview(&owner, tallinn(2026));
    QCOMPARE(notice.lines.value(1), u"Ajavööndite andmed puuduvad (pakett tzdata); aeg on antud UTC järgi"_s);
    QCOMPARE(w->chtAasta->chart()->title(), u"Päikesetõus, -loojang ja hämarik (UTC)"_s);
    QCOMPARE(w->tblAasta->model()->index(181, 1).data().toString(), u"+00:00"_s);
}

void TestYearView::chartsTellTheirLines()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QChart *year = w.chtAasta->chart();
    QCOMPARE(year->title(), u"Päikesetõus, -loojang ja hämarik (Eesti seaduslik aeg)"_s);
    QCOMPARE(w.chtPäevaPikkus->chart()->axes(Qt::Vertical).value(0)->titleText(), u"tundi"_s);
    const auto axis = qobject_cast<QCategoryAxis *>(year->axes(Qt::Horizontal).value(0));
    QVERIFY(axis);
    QCOMPARE(axis->categoriesLabels().value(0).trimmed(), u"jaan."_s);

    // Every entry the legend shows, and how it is drawn.
    QMap<QString, Qt::PenStyle> entries;
    for (QLegendMarker *marker : year->legend()->markers())
        if (marker->isVisible())
            entries.insert(marker->label(), marker->pen().style());
    QCOMPARE(year->legend()->markerShape(), QLegend::MarkerShapeFromSeries);
    for (const QString &name : {u"öö"_s, u"astronoomiline hämarik"_s, u"päev"_s, u"päikesetõus"_s})
        QVERIFY2(entries.contains(name), qPrintable(name));
    QCOMPARE(entries.value(u"ligikaudne tõus (põhiaken)"_s, Qt::SolidLine), Qt::DashLine);
    QCOMPARE(entries.value(u"ligikaudne loojang (põhiaken)"_s, Qt::SolidLine), Qt::DashLine);
    // The legend is as wide as its longest text needs, in both charts alike.
    const QFontMetrics metrics(year->legend()->font());
    QVERIFY(year->legend()->maximumWidth() >= metrics.horizontalAdvance(u"ligikaudne loojang (põhiaken)"_s));
    QCOMPARE(w.chtPäevaPikkus->chart()->legend()->maximumWidth(), year->legend()->maximumWidth());
}

void TestYearView::focusAndMarkerAreVisible()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The frame of the chart that has the keyboard differs from the other's.
    w.chtAasta->setFocus();
    QTRY_VERIFY(w.chtAasta->hasFocus());
    const QImage focused = w.chtAasta->grab().toImage();
    w.chtPäevaPikkus->setFocus();
    QTRY_VERIFY(w.chtPäevaPikkus->hasFocus());
    const QImage unfocused = w.chtAasta->grab().toImage();
    QVERIFY(focused.pixelColor(1, focused.height() / 2) != unfocused.pixelColor(1, unfocused.height() / 2));

    // The date's line is seen on the night (dark) and on the day (light): it
    // is drawn dark with a light edge.
    w.SetMarker(171);
    QChart *chart = w.chtAasta->chart();
    const QImage picture = w.chtAasta->viewport()->grab().toImage();
    const auto at = [&](double hours) {
        const QPointF inChart = chart->mapToPosition(QPointF(171.5, hours));
        return picture.pixelColor(w.chtAasta->mapFromScene(chart->mapToScene(inChart)));
    };
    for (const double hours : {1.0, 12.0}) {
        const QColor line = at(hours);
        QVERIFY2(line.lightness() < 80, qPrintable(u"at %1 h: %2"_s.arg(hours).arg(line.name())));
    }
}

void TestYearView::fitsSmallScreens_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("640 x 480, 90 %") << QSize(576, 432);
    QTest::newRow("1600 x 1000 at scale 2, 90 %") << QSize(720, 450);
    QTest::newRow("the first size") << QSize();
}

void TestYearView::fitsSmallScreens()
{
    QFETCH(QSize, size);
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026));
    const QRect available = w.screen()->availableGeometry();
    QVERIFY(w.width() <= available.width() * 0.9 + 1 && w.height() <= available.height() * 0.9 + 1);
    if (size.isValid())
        w.resize(size);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(50);
    QCOMPARE(w.size(), size.isValid() ? size : w.size());
    for (QPushButton *button : {w.cmdSalvestaTabel, w.cmdSalvestaPilt, w.cmdSulge})
        QVERIFY2(w.rect().contains(QRect(button->mapTo(&w, QPoint(0, 0)), button->size())),
                 qPrintable(button->objectName()));
    for (QChartView *view : {w.chtAasta, w.chtPäevaPikkus}) {
        // Every text the chart draws is whole, and the legend shows every entry.
        QStringList shown;
        for (QGraphicsItem *item : view->scene()->items()) {
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->isVisible()) {
                shown << text->toPlainText();
                QVERIFY2(!text->toPlainText().contains(u'…'), qPrintable(text->toPlainText()));
            }
        }
        for (QLegendMarker *marker : view->chart()->legend()->markers())
            if (marker->isVisible())
                QVERIFY2(shown.contains(marker->label()), qPrintable(marker->label()));
    }
}

void TestYearView::tableFollowsTheMarker()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 7, 12));
    w.tabAasta->setCurrentWidget(w.tblAasta);
    QCOMPARE(w.tblAasta->currentIndex().row(), 340);
    w.SetMarker(10);
    QCOMPARE(w.tblAasta->currentIndex().row(), 10);
    // And a row chosen in the table moves the marker.
    w.tblAasta->setCurrentIndex(w.tblAasta->model()->index(100, 3));
    QCOMPARE(w.marker(), 100);
    QVERIFY(w.lblNäit->text().contains(u"11.04.2026"_s));
    // Back on the charts, no cell of the hidden table counts as focused.
    w.tabAasta->setCurrentIndex(0);
    w.SetMarker(120);
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(w.tblAasta)->tableInterface();
    QVERIFY(table);
    for (const int row : {100, 120})
        QVERIFY(!table->cellAt(row, 0)->state().focused);
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
