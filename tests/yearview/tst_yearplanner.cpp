// SPDX-License-Identifier: GPL-3.0-or-later
// The year overview as a planner: another year or place from its own bar,
// the key dates' tab and marks, the Sun's direction and the soft light, and
// the printed page.
#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "shell/frmViga.h"
#include "yearview/frmAasta.h"
#include "yearview/yearplanner.h"

using namespace Qt::StringLiterals;

namespace {

// Tallinn, Kesklinn, as the main window asks for it after a pick.
yearview::YearRequest tallinn(int year, int day, int month)
{
    yearview::YearRequest r;
    r.observation
        = {std::int16_t(day), std::int16_t(month), std::int16_t(year), 59, 26, 0, 24, 44, 45, 6, false};
    r.place = {solar::DecimalLatitude(r.observation), solar::DecimalLongitude(r.observation), 6};
    r.year = year;
    r.placeName = u"Tallinn, Kesklinn"_s;
    r.placeListText = u"-- Kesklinn"_s;
    return r;
}

// Typed coordinates beyond the polar circle: no gazetteer pick.
yearview::YearRequest tromso(int year)
{
    yearview::YearRequest r;
    r.observation = {1, 3, std::int16_t(year), 69, 39, 0, 18, 57, 0, 0, false};
    r.place = {solar::DecimalLatitude(r.observation), solar::DecimalLongitude(r.observation), 0};
    r.year = year;
    r.placeName = u"69° 39' 00'' p.l., 18° 57' 00'' i.p."_s;
    return r;
}

template<class T>
T *control(const frmAasta &w, const QString &name)
{
    T *found = w.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString markedDate(const frmAasta &w)
{
    return w.data().rows[std::size_t(w.marker())].date.toString(u"dd.MM.yyyy"_s);
}

// Every text the chart draws beside its axes and legend.
QStringList chartTexts(QChartView *view)
{
    QStringList texts;
    for (QGraphicsItem *item : view->scene()->items())
        if (auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item); text && text->isVisible())
            texts << text->text();
    return texts;
}

QStringList legendEntries(QChart *chart)
{
    QStringList entries;
    for (QLegendMarker *marker : chart->legend()->markers())
        if (marker->isVisible())
            entries << marker->label();
    return entries;
}

QString keyDateRow(const frmAasta &w, const QString &what)
{
    const QAbstractItemModel *model = w.tblTähtpäevad->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 2).data().toString() != what)
            continue;
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        return cells.join(u" | "_s);
    }
    return {};
}

}  // namespace

class TestYearPlanner : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void anotherYear_data();
    void anotherYear();
    void yearsWithinTheAlmanac();
    void today();
    void anotherPlace();
    void keyDates_data();
    void keyDates();
    void keyDatesOnTheChart();
    void directionAndLight();
    void lightBands();
    void printsOnePage();
    void unwritablePdfIsReported();
    void newControlsNamedWithKeys();
    void tabsKeepTheDate();
    void tabOrderFollowsTheEye();
};

void TestYearPlanner::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmViga *>(w) || !w->isVisible(), "a notice was left open");
}

void TestYearPlanner::anotherYear_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("marked");
    QTest::newRow("› button") << 2026 << u"›"_s << 2027 << u"21.06.2027"_s;
    QTest::newRow("‹ button") << 2026 << u"‹"_s << 2025 << u"21.06.2025"_s;
    QTest::newRow("Ctrl+PageDown") << 2026 << u"Ctrl+PageDown"_s << 2027 << u"21.06.2027"_s;
    QTest::newRow("Ctrl+PageUp") << 2026 << u"Ctrl+PageUp"_s << 2025 << u"21.06.2025"_s;
    QTest::newRow("typed year") << 2026 << u"2024"_s << 2024 << u"21.06.2024"_s;
    QTest::newRow("29 February into a common year") << 2024 << u"›"_s << 2025 << u"28.02.2025"_s;
}

void TestYearPlanner::anotherYear()
{
    QFETCH(int, start);
    QFETCH(QString, how);
    QFETCH(int, year);
    QFETCH(QString, marked);
    frmAasta w(nullptr);
    w.ShowYear(tallinn(start, start == 2024 ? 29 : 21, start == 2024 ? 2 : 6));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.chtAasta->setFocus();
    auto *spin = control<QSpinBox>(w, u"spnAasta"_s);
    QCOMPARE(spin->value(), start);
    if (how == u"›"_s)
        control<QToolButton>(w, u"cmdJärgmineAasta"_s)->click();
    else if (how == u"‹"_s)
        control<QToolButton>(w, u"cmdEelmineAasta"_s)->click();
    else if (how.startsWith(u"Ctrl"_s))
        QTest::keyClick(w.chtAasta, how.endsWith(u"Up"_s) ? Qt::Key_PageUp : Qt::Key_PageDown,
                        Qt::ControlModifier);
    else {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, how);
        QTest::keyClick(spin, Qt::Key_Return);
    }
    QCOMPARE(w.data().request.year, year);
    QCOMPARE(spin->value(), year);
    QCOMPARE(w.windowTitle(), u"Aasta ülevaade: Tallinn, Kesklinn, %1"_s.arg(year));
    QCOMPARE(w.tblAasta->model()->rowCount(), QDate::isLeapYear(year) ? 366 : 365);
    QCOMPARE(markedDate(w), marked);
    QVERIFY(w.lblNäit->text().contains(marked));
    QCOMPARE(keyDateRow(w, u"Suvine pööripäev"_s).mid(6, 4), QString::number(year));
}

void TestYearPlanner::yearsWithinTheAlmanac()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(3000, 1, 1));
    auto *spin = control<QSpinBox>(w, u"spnAasta"_s);
    QCOMPARE(spin->minimum(), 1900);
    QCOMPARE(spin->maximum(), 3000);
    control<QToolButton>(w, u"cmdJärgmineAasta"_s)->click();
    QCOMPARE(w.data().request.year, 3000);
    spin->setValue(1900);
    QCOMPARE(w.data().request.year, 1900);
    control<QToolButton>(w, u"cmdEelmineAasta"_s)->click();
    QCOMPARE(w.data().request.year, 1900);
}

void TestYearPlanner::today()
{
    const QDate now = QDate::currentDate();
    frmAasta w(nullptr);
    w.ShowYear(tallinn(now.year() == 2000 ? 2001 : 2000, 1, 1));
    QVERIFY(!legendEntries(w.chtAasta->chart()).contains(u"täna"_s));
    control<QPushButton>(w, u"cmdTäna"_s)->click();
    QCOMPARE(w.data().request.year, now.year());
    QCOMPARE(control<QSpinBox>(w, u"spnAasta"_s)->value(), now.year());
    QCOMPARE(markedDate(w), now.toString(u"dd.MM.yyyy"_s));
    // This year's chart marks today.
    QVERIFY(legendEntries(w.chtAasta->chart()).contains(u"täna"_s));
}

void TestYearPlanner::anotherPlace()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    auto *regions = control<QComboBox>(w, u"cboPiirkond2"_s);
    auto *places = control<QComboBox>(w, u"cboKoht2"_s);
    QCOMPARE(regions->currentText(), u"L i n n a d"_s);
    QCOMPARE(places->currentText(), u"-- Kesklinn"_s);
    QCOMPARE(control<QLabel>(w, u"lblKohaNimi"_s)->text(), u"Tallinn, Kesklinn"_s);
    QCOMPARE(regions->count(), 17);  // without the separator line

    const int hiiumaa = regions->findText(u"Hiiumaa"_s);
    QVERIFY(hiiumaa >= 0);
    regions->setCurrentIndex(hiiumaa);
    emit regions->activated(hiiumaa);
    QCOMPARE(places->count(), 4);
    QCOMPARE(w.data().request.placeName, u"Tallinn, Kesklinn"_s);  // nothing computed before a place
    const int käina = places->findText(u"Käina v."_s);
    places->setCurrentIndex(käina);
    emit places->activated(käina);
    QCOMPARE(w.windowTitle(), u"Aasta ülevaade: Käina v., 2026"_s);
    QCOMPARE(markedDate(w), u"21.06.2026"_s);
    QCOMPARE(w.data().request.observation.latitudeDegrees, 58);
    QVERIFY(std::abs(w.data().request.place.latitudeDegrees - 58.8) < 0.2);

    // A town divided into districts heads them and cannot be chosen.
    const int linnad = regions->findText(u"L i n n a d"_s);
    regions->setCurrentIndex(linnad);
    emit regions->activated(linnad);
    const int heading = places->findText(u"T a l l i n n  {1248} :"_s);
    QVERIFY(heading >= 0);
    QVERIFY(!(places->model()->flags(places->model()->index(heading, 0)) & Qt::ItemIsEnabled));

    // Typed coordinates are no pick: no region or place is shown.
    w.ShowYear(tromso(2026));
    QCOMPARE(regions->currentIndex(), -1);
    QCOMPARE(places->currentIndex(), -1);
}

void TestYearPlanner::keyDates_data()
{
    QTest::addColumn<yearview::YearRequest>("request");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("row");
    const yearview::YearRequest t = tallinn(2026, 21, 6);
    // The equinoxes and solstices of 2026 (UTC 20 Mar 14:46, 21 Jun 08:24,
    // 23 Sep 00:05, 21 Dec 20:50) on the Estonian clock.
    QTest::newRow("March equinox") << t << u"Kevadine võrdpäevsus"_s
                                   << u"20.03.2026 | 16:46 | Kevadine võrdpäevsus | "_s;
    QTest::newRow("June solstice") << t << u"Suvine pööripäev"_s
                                   << u"21.06.2026 | 11:24 | Suvine pööripäev | "_s;
    QTest::newRow("September equinox")
        << t << u"Sügisene võrdpäevsus"_s << u"23.09.2026 | 03:05 | Sügisene võrdpäevsus | "_s;
    QTest::newRow("December solstice")
        << t << u"Talvine pööripäev"_s << u"21.12.2026 | 22:50 | Talvine pööripäev | "_s;
    QTest::newRow("clock forward at 03:00")
        << t << u"Kell keeratakse edasi"_s
        << u"29.03.2026 | 03:00 | Kell keeratakse edasi | kell 04:00, UTC-nihe +03:00"_s;
    QTest::newRow("clock back at 04:00")
        << t << u"Kell keeratakse tagasi"_s
        << u"25.10.2026 | 04:00 | Kell keeratakse tagasi | kell 03:00, UTC-nihe +02:00"_s;
    QTest::newRow("perihelion") << t << u"Periheel"_s << u"03.01.2026 |"_s;
    QTest::newRow("aphelion") << t << u"Afeel"_s << u"06.07.2026 |"_s;
    QTest::newRow("longest day") << t << u"Pikim päev"_s << u"21.06.2026 |  | Pikim päev | 18 h 41 min"_s;
    QTest::newRow("shortest day") << t << u"Lühim päev"_s << u"21.12.2026 |  | Lühim päev | 6 h 0"_s;
    // Sunrise and sunset to the second; the dates that name a day have no time.
    QTest::newRow("earliest sunrise") << t << u"Varaseim päikesetõus"_s << u"19.06.2026 | 04:01:44 |"_s;
    QTest::newRow("astronomical night ends") << t << u"Valged ööd algavad"_s << u"23.04.2026 |  |"_s;
    QTest::newRow("nautical white nights") << t << u"Navigatsioonilised valged ööd lõpevad"_s << u""_s;
    QTest::newRow("polar night begins") << tromso(2026) << u"Polaaröö algab"_s << u"2"_s;
    QTest::newRow("polar day ends") << tromso(2026) << u"Polaarpäev lõpeb"_s << u""_s;
}

void TestYearPlanner::keyDates()
{
    QFETCH(yearview::YearRequest, request);
    QFETCH(QString, what);
    QFETCH(QString, row);
    frmAasta w(nullptr);
    w.ShowYear(request);
    QCOMPARE(w.tabAasta->tabText(w.tabAasta->indexOf(w.tblTähtpäevad)), u"Tähtpäe&vad"_s);
    const QString found = keyDateRow(w, what);
    QVERIFY2(!found.isEmpty(), qPrintable(what));
    QVERIFY2(found.startsWith(row), qPrintable(found));
    // Choosing it in the table moves the charts' date there.
    const QAbstractItemModel *model = w.tblTähtpäevad->model();
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 2).data().toString() == what)
            emit w.tblTähtpäevad->activated(model->index(r, 0));
    QCOMPARE(markedDate(w), found.left(10));
}

void TestYearPlanner::keyDatesOnTheChart()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QStringList texts = chartTexts(w.chtAasta);
    QCOMPARE(texts.count(u"võrdpäevsus"_s), 2);
    QCOMPARE(texts.count(u"pööripäev"_s), 2);
    QCOMPARE(texts.count(u"kell +1 h"_s), 1);
    QCOMPARE(texts.count(u"kell −1 h"_s), 1);
    QCOMPARE(texts.count(u"valged ööd"_s), 1);
    // Each stands inside the plot.
    const QRectF plot = w.chtAasta->chart()->plotArea();
    for (QGraphicsItem *item : w.chtAasta->scene()->items())
        if (auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item);
            text && text->text() == u"valged ööd"_s)
            QVERIFY(plot.contains(w.chtAasta->chart()->mapFromScene(text->sceneBoundingRect().center())));
}

void TestYearPlanner::directionAndLight()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    const QString readout = w.lblNäit->text();
    // At midsummer the Sun rises in the north-east and sets in the north-west,
    // 90° - 59.43° + 23.44° above the horizon at noon.
    static const QRegularExpression direction(
        u"; tõus \\d\\d,\\d° \\(kirre\\), loojang 3\\d\\d,\\d° \\(loe\\), keskpäeval kõrgus 54,0°; "_s);
    QVERIFY2(direction.match(readout).hasMatch(), qPrintable(readout));
    static const QRegularExpression light(
        u"; Hommikune sinine tund \\d\\d:\\d\\d:\\d\\d–\\d\\d:\\d\\d:\\d\\d; "
        u"Hommikune kuldne tund .*; Õhtune kuldne tund .*; Õhtune sinine tund "_s);
    QVERIFY2(light.match(readout).hasMatch(), qPrintable(readout));

    const QAbstractItemModel *table = w.tblAasta->model();
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->headerData(c, Qt::Horizontal).toString();
    for (const QString &header : {u"Tõusu asimuut"_s, u"Loojangu asimuut"_s, u"Kõrgus keskpäeval"_s,
                                  u"Hommikune sinine tund"_s, u"Õhtune kuldne tund"_s})
        QVERIFY2(headers.contains(header), qPrintable(header));
    // The morning golden hour begins where the blue hour ends.
    const int blue = int(headers.indexOf(u"Hommikune sinine tund"_s));
    const QString blueSpan = table->index(171, blue).data().toString();
    const QString goldenSpan = table->index(171, blue + 1).data().toString();
    QCOMPARE(blueSpan.section(u'–', 1), goldenSpan.section(u'–', 0, 0));
}

void TestYearPlanner::lightBands()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    auto *golden = control<QCheckBox>(w, u"chkKuldne"_s);
    QCOMPARE(golden->text(), u"K&uldne ja sinine tund"_s);
    const auto bands = [&w] {
        QStringList shown;
        for (QAbstractSeries *series : w.chtAasta->chart()->series())
            if (qobject_cast<QAreaSeries *>(series) && series->isVisible()
                && (series->name() == u"kuldne tund"_s || series->name() == u"sinine tund"_s))
                shown << series->name();
        return shown;
    };
    QVERIFY(bands().isEmpty());
    QVERIFY(!legendEntries(w.chtAasta->chart()).contains(u"kuldne tund"_s));
    golden->click();
    QVERIFY(bands().contains(u"kuldne tund"_s) && bands().contains(u"sinine tund"_s));
    // One legend entry for each light, however many bands draw it.
    QCOMPARE(legendEntries(w.chtAasta->chart()).count(u"kuldne tund"_s), 1);
    QCOMPARE(legendEntries(w.chtAasta->chart()).count(u"sinine tund"_s), 1);
    // The choice stays with another year.
    control<QToolButton>(w, u"cmdJärgmineAasta"_s)->click();
    QVERIFY(!bands().isEmpty());
    QCOMPARE(legendEntries(w.chtAasta->chart()).count(u"sinine tund"_s), 1);
    golden->click();
    QVERIFY(bands().isEmpty());
}

void TestYearPlanner::printsOnePage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"leht.pdf"_s);
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QString docName;
    QPageSize::PageSizeId size = QPageSize::Letter;
    w.askPrinter = [&](QPrinter &printer) {
        docName = printer.docName();
        size = printer.pageLayout().pageSize().id();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    control<QPushButton>(w, u"cmdPrindi"_s)->click();
    QCOMPARE(size, QPageSize::A4);
    // The page carries the saved pictures' title.
    QCOMPARE(docName, yearview::pictureTitle(w.data()));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n"), 1);
    QByteArray title("\xfe\xff");
    for (const QChar c : docName)
        title += char(c.unicode() >> 8), title += char(c.unicode() & 0xff);
    QVERIFY(bytes.contains(title));

    // Cancelled: nothing is written.
    QVERIFY(QFile::remove(path));
    w.askPrinter = [](QPrinter &) { return false; };
    w.cmdPrindi->click();
    QVERIFY(!QFile::exists(path));
}

void TestYearPlanner::unwritablePdfIsReported()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    w.askPrinter = [](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(u"/proc/vorandel-puudub/leht.pdf"_s);
        return true;
    };
    QString notice;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (QLabel *label : dialog->findChildren<QLabel *>())
            notice += label->text() + u'\n';
        dialog->reject();
    });
    w.cmdPrindi->click();
    QVERIFY2(notice.contains(u"Kausta pole"_s), qPrintable(notice));
}

void TestYearPlanner::newControlsNamedWithKeys()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    const struct {
        const char16_t *name;
        const char16_t *accessibleName;
        Qt::Key key;  // the access key (with Alt) or the shortcut (with Ctrl)
    } controls[] = {
        {u"spnAasta", u"Aasta", Qt::Key_A},
        {u"cmdEelmineAasta", u"Eelmine aasta", Qt::Key_PageUp},
        {u"cmdJärgmineAasta", u"Järgmine aasta", Qt::Key_PageDown},
        {u"cmdTäna", u"Täna", Qt::Key_N},
        {u"cboPiirkond2", u"Piirkond", Qt::Key_R},
        {u"cboKoht2", u"Koht", Qt::Key_K},
        {u"chkKuldne", u"Kuldne ja sinine tund", Qt::Key_U},
        {u"cmdPrindi", u"Prindi", Qt::Key_I},
        {u"tblTähtpäevad", u"Tähtpäevad", Qt::Key_V},
    };
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The place's list is enabled for its key to reach it.
    for (const auto &c : controls) {
        const QString name = QString::fromUtf16(c.name);
        QWidget *widget = control<QWidget>(w, name);
        QCOMPARE(widget->accessibleName(), QString::fromUtf16(c.accessibleName));
        // A list's name on this platform is its text; its label names it by relation.
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(a);
        if (!qobject_cast<QComboBox *>(widget))
            QCOMPARE(a->text(QAccessible::Name), QString::fromUtf16(c.accessibleName));
        else
            QVERIFY(!a->relations(QAccessible::Label).isEmpty());
        if (c.key == Qt::Key_PageUp || c.key == Qt::Key_PageDown || name == u"cmdPrindi"_s
            || name == u"chkKuldne"_s || name == u"cmdTäna"_s)
            continue;  // buttons: their keys act, checked below
        w.chtAasta->setFocus();
        QTest::keyClick(&w, c.key, Qt::AltModifier);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus == widget || (widget == w.tblTähtpäevad && w.tabAasta->currentWidget() == widget),
                 qPrintable(name + u" → "_s + (focus ? focus->objectName() : u"nothing"_s)));
    }
    // Access keys of the buttons act.
    w.tabAasta->setCurrentIndex(0);
    w.chtAasta->setFocus();
    QTest::keyClick(&w, Qt::Key_U, Qt::AltModifier);
    QTRY_VERIFY(w.chkKuldne->isChecked());
    const QDate now = QDate::currentDate();
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(w.data().request.year, now.year());
}

// Focus that goes from a chart into a table as its tab is chosen leaves the
// date where it was.
void TestYearPlanner::tabsKeepTheDate()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (QWidget *page : {static_cast<QWidget *>(w.tblAasta), static_cast<QWidget *>(w.tblTähtpäevad)}) {
        w.tabAasta->setCurrentIndex(0);
        w.chtAasta->setFocus();
        w.tabAasta->setCurrentWidget(page);
        QCOMPARE(markedDate(w), u"21.06.2026"_s);
    }
    QCOMPARE(w.tblAasta->currentIndex().row(), -1);  // hidden again
}

void TestYearPlanner::tabOrderFollowsTheEye()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn(2026, 21, 6));
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    control<QToolButton>(w, u"cmdEelmineAasta"_s)->setFocus();
    const QStringList expected
        = {u"cmdEelmineAasta"_s, u"spnAasta"_s,  u"cmdJärgmineAasta"_s,    u"cmdTäna"_s,
           u"cboPiirkond2"_s,    u"cboKoht2"_s,  u"qt_tabwidget_tabbar"_s, u"chtAasta"_s,
           u"chtPäevaPikkus"_s,  u"chkKuldne"_s, u"cmdSalvestaTabel"_s,    u"cmdSalvestaPilt"_s,
           u"cmdPrindi"_s,       u"cmdSulge"_s};
    QStringList reached;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        reached << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(reached, expected);
}

QTEST_MAIN(TestYearPlanner)
#include "tst_yearplanner.moc"
