// SPDX-License-Identifier: GPL-3.0-or-later
// The precise sunrise and sunset as the tooltips and accessible descriptions
// of the two event-time labels: written by Calculate, rewritten by the season
// switch, removed by Clear; the labels' own texts untouched.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include "mainwindow/frmProge.h"
#include "tests/bench/example.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ObservationTexts k30March2026Tallinn
    = {"30", "03", "2026", "59", "26", "13", "24", "44", "42", "30"};

void compute(frmProge &w, const ObservationTexts &p, bool winterTime)
{
    fillFields(w, p);
    (winterTime ? w.controls().optTalveaeg : w.controls().optSuveaeg)->click();
    w.ComputeResults();
}

// Seconds of the day of an "HH:MM:SS" text.
int secondsOf(const QString &clock)
{
    const QStringList parts = clock.split(u':');
    return parts.size() == 3 ? parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt() : -1;
}

QString spokenDescription(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Description) : u"<no interface>"_s;
}

const QRegularExpression
    kWithLegal(uR"(^ Täpsemalt: (\d\d:\d\d:\d\d) \(seaduslik aeg: (\d\d:\d\d:\d\d), suveaeg\) $)"_s);
const QRegularExpression kPlain(uR"(^ Täpsemalt: (\d\d:\d\d:\d\d) $)"_s);

}  // namespace

class tst_precise_times : public QObject
{
    Q_OBJECT

private slots:
    void winterTimeAfterTheClockChange();
    void seasonSwitchRewritesAndClearRemoves();
    void summerDayShowsNoLegalTime();
    void sunThatDoesNotRise_data();
    void sunThatDoesNotRise();
    void historicalLegalClock();
    void yearsBeyondThePreciseRange();
};

void tst_precise_times::winterTimeAfterTheClockChange()
{
    frmProge w;
    compute(w, k30March2026Tallinn, 1);
    for (QLabel *label : {w.controls().lblPäiTõuKell, w.controls().lblPäiLooKell}) {
        const QString tip = label->toolTip();
        const QRegularExpressionMatch m = kWithLegal.match(tip);
        QVERIFY2(m.hasMatch(), qPrintable(tip));
        // The precise time compares with the label's: the same season, within
        // the window's own accuracy; the legal clock is an hour on.
        QVERIFY2(std::abs(secondsOf(m.captured(1)) - secondsOf(label->text())) < 10 * 60, qPrintable(tip));
        QCOMPARE(secondsOf(m.captured(2)) - secondsOf(m.captured(1)), 3600);
        QCOMPARE(label->accessibleDescription(), tip);
        QCOMPARE(spokenDescription(label), tip);
    }
    QCOMPARE(w.controls().lblPäiTõuKell->toolTip(),
             u" Täpsemalt: 05:51:58 (seaduslik aeg: 06:51:58, suveaeg) "_s);
}

void tst_precise_times::seasonSwitchRewritesAndClearRemoves()
{
    frmProge w;
    w.endProgram = [](int) {};
    compute(w, k30March2026Tallinn, 1);
    const QString winterLabel = w.controls().lblPäiTõuKell->text();
    const QString winterTip = w.controls().lblPäiTõuKell->toolTip();
    const QString precise = kWithLegal.match(winterTip).captured(1);

    w.controls().optSuveaeg->click();
    // Shown in summer time, which is the legal clock of the date: one time only.
    const QRegularExpressionMatch summer = kPlain.match(w.controls().lblPäiTõuKell->toolTip());
    QVERIFY2(summer.hasMatch(), qPrintable(w.controls().lblPäiTõuKell->toolTip()));
    QCOMPARE(secondsOf(summer.captured(1)) - secondsOf(precise), 3600);
    QCOMPARE(w.controls().lblPäiTõuKell->accessibleDescription(), w.controls().lblPäiTõuKell->toolTip());
    QVERIFY(kPlain.match(w.controls().lblPäiLooKell->toolTip()).hasMatch());

    w.controls().optTalveaeg->click();
    QCOMPARE(w.controls().lblPäiTõuKell->text(), winterLabel);
    QCOMPARE(w.controls().lblPäiTõuKell->toolTip(), winterTip);

    w.controls().cmdTühjenda->setEnabled(true);
    w.cmdTühjenda_Click();
    for (QLabel *label : {w.controls().lblPäiTõuKell, w.controls().lblPäiLooKell}) {
        QCOMPARE(label->toolTip(), QString());
        QCOMPARE(label->accessibleDescription(), QString());
        QCOMPARE(spokenDescription(label), QString());
    }
    // The other results labels never carry one.
    QCOMPARE(w.controls().lblKohKeskP_Tõ->toolTip(), QString());
}

void tst_precise_times::summerDayShowsNoLegalTime()
{
    frmProge w;
    compute(w, {"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"}, 0);
    QVERIFY2(kPlain.match(w.controls().lblPäiTõuKell->toolTip()).hasMatch(),
             qPrintable(w.controls().lblPäiTõuKell->toolTip()));
    QVERIFY2(kPlain.match(w.controls().lblPäiLooKell->toolTip()).hasMatch(),
             qPrintable(w.controls().lblPäiLooKell->toolTip()));
}

void tst_precise_times::sunThatDoesNotRise_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("winterTime");
    QTest::addColumn<QString>("sunriseTip");
    QTest::addColumn<QString>("sunsetTip");
    QTest::newRow("70° N in midwinter")
        << u"12"_s << 1 << u" Täpsemalt: Päike ei tõuse sel ööpäeval, on kogu aeg horisondi all "_s
        << u" Täpsemalt: Päike ei looju sel ööpäeval, on kogu aeg horisondi all "_s;
    QTest::newRow("70° N in midsummer")
        << u"06"_s << 0 << u" Täpsemalt: Päike ei tõuse sel ööpäeval, on kogu aeg horisondi kohal "_s
        << u" Täpsemalt: Päike ei looju sel ööpäeval, on kogu aeg horisondi kohal "_s;
}

void tst_precise_times::sunThatDoesNotRise()
{
    QFETCH(QString, month);
    QFETCH(int, winterTime);
    QFETCH(QString, sunriseTip);
    QFETCH(QString, sunsetTip);
    frmProge w;
    const QByteArray m = month.toLatin1();
    compute(w, {"21", m.constData(), "2003", "70", "00", "00", "25", "00", "00", "0"}, winterTime != 0);
    QCOMPARE(w.controls().lblPäiTõuKell->toolTip(), sunriseTip);
    QCOMPARE(w.controls().lblPäiLooKell->toolTip(), sunsetTip);
}

void tst_precise_times::historicalLegalClock()
{
    frmProge w;
    // Summer 1985: Moscow summer time, GMT +4.
    compute(w, {"01", "07", "1985", "59", "26", "13", "24", "44", "42", "30"}, 0);
    QVERIFY2(w.controls().lblPäiTõuKell->toolTip().endsWith(u", GMT +4, suveaeg) "_s),
             qPrintable(w.controls().lblPäiTõuKell->toolTip()));
}

void tst_precise_times::yearsBeyondThePreciseRange()
{
    frmProge w;
    compute(w, {"01", "07", "3001", "59", "26", "13", "24", "44", "42", "30"}, 0);
    QCOMPARE(w.controls().lblPäiTõuKell->toolTip(), u" Täpsem aeg arvutatakse ainult aastatele 1900–3000 "_s);
    QCOMPARE(w.controls().lblPäiLooKell->accessibleDescription(),
             u" Täpsem aeg arvutatakse ainult aastatele 1900–3000 "_s);
}

QTEST_MAIN(tst_precise_times)
#include "tst_precise_times.moc"
