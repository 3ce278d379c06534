// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "mainwindow/frmProge.h"
#include "solar/formats.h"
#include "solar/results.h"
#include "tests/bench/example.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ObservationTexts k21June2003Tallinn
    = {"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"};

// The observation, and the season chosen with its option as a user would.
void fill(frmProge &w, const ObservationTexts &p, bool winterTime)
{
    fillFields(w, p);
    (winterTime ? w.controls().optTalveaeg : w.controls().optSuveaeg)->click();
}

QString label(const frmProge &w, const QString &name)
{
    auto *l = w.findChild<QLabel *>(name);
    return l ? l->text() : u"<no label %1>"_s.arg(name);
}

}  // namespace

class tst_results_view : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void columns_data();
    void columns();
    void dayWideValues_data();
    void dayWideValues();
    void captionsAndWindowState();
    void polarNight();
};

void tst_results_view::columns_data()
{
    QTest::addColumn<QString>("labelName");
    QTest::addColumn<QString>("expected");
    const std::pair<const char *, const char *> rows[] = {
        {"lblNurkA_Tõ", "168° 47' 02''"},       {"lblNurkB_Tõ", "166° 31' 37''"},
        {"lblNurkC_Tõ", "87° 00' 54''"},        {"lblNurkD_Tõ", "23° 24' 25''"},
        {"lblPäiHorKoh_Tõ", "53° 58' 12''"},    {"lblNurkE_Tõ", "-0min 45sek"},
        {"lblKohKeskP_Tõ", "13:21:46"},         {"lblPäiTõu_st_KeskP_ni", "9h 21m 53s"},
        {"lblTühi_Tõ", "  ********"},           {"lblPäiTõuKell", "03:59:53"},
        {"lblNurkA_Lo", "169° 16' 36''"},       {"lblNurkB_Lo", "167° 01' 11''"},
        {"lblNurkC_Lo", "87° 29' 31''"},        {"lblNurkD_Lo", "23° 25' 01''"},
        {"lblPäiHorKoh_Lo", "53° 58' 48''"},    {"lblNurkE_Lo", "-0min 51sek"},
        {"lblKohKeskP_Lo", "13:21:52"},         {"lblTühi_Lo", "  ********"},
        {"lblKeskP_st_PäiLoo_ni", "9h 22m 1s"}, {"lblPäiLooKell", "22:43:53"},
    };
    for (const auto &[name, expected] : rows)
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(expected);
}

void tst_results_view::columns()
{
    QFETCH(QString, labelName);
    QFETCH(QString, expected);
    frmProge w;
    fill(w, k21June2003Tallinn, 0);
    w.ComputeResults();
    QCOMPARE(label(w, labelName), expected);
}

void tst_results_view::dayWideValues_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("gravity");
    QTest::newRow("Estonian, comma") << QLocale(QLocale::Estonian, QLocale::Estonia) << u"0,2365 km/s"_s
                                     << u"g = 9,8185"_s;
    QTest::newRow("C, point") << QLocale::c() << u"0.2365 km/s"_s << u"g = 9.8185"_s;
}

void tst_results_view::dayWideValues()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, speed);
    QFETCH(QString, gravity);
    QLocale::setDefault(locale);
    frmProge w;
    fill(w, k21June2003Tallinn, 0);
    w.ComputeResults();
    QCOMPARE(w.controls().lblPäev_Nädal->text(), u"172 / 25"_s);
    QCOMPARE(w.controls().lblPöörlemiskiir->text(), speed);
    QCOMPARE(w.controls().lblRaskuskiir->text(), gravity);
    QCOMPARE(w.controls().fraTulem->title(), u"Tulemus /laup./:"_s);
}

void tst_results_view::captionsAndWindowState()
{
    frmProge w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    fill(w, k21June2003Tallinn, 0);
    w.controls().cmdArvuta->setEnabled(true);
    w.controls().cmdArvuta->setDefault(true);
    w.ComputeResults();

    const std::pair<QLabel *, const char *> captions[] = {
        {w.controls().lblPäevNädaNr_Aastas, "Päeva / Nädala Nr. aastas:"},
        {w.controls().lblNurkA, "Nurk, mille Maa läbis 01. jaan. kuni valitud kuupäevani"},
        {w.controls().lblNurkB, "Nurk periheelis"},
        {w.controls().lblNurkC, "Nurk kevadpunktis"},
        {w.controls().lblNurkD, "Tähe kaldenurk"},
        {w.controls().lblPäikKõrgHoriKohal, "Päikese kõrgus horisondi kohal keskpäeval"},
        {w.controls().lblNurkE, "Päikesekella ja elektronkella vahe"},
        {w.controls().lblKohaKeskpäev, "Kohalik keskpäev (GMT +2)"},
        {w.controls().lblPäikTõus_st_Keskpäev_ni, "Aeg päikesetõusust keskpäevani"},
        {w.controls().lblKeskpäev_st_PäikLooj_ni, "Aeg keskpäevast päikeseloojanguni"},
        {w.controls().lblPäikTõusLoojKell, "Päike tõuseb / loojub kell (GMT +2):"},
        {w.controls().lblMaaPöörKiir, "Maa Pöörlemiskiirus "},
        {w.controls().lblMaaRaskKiir, "Raskuskiirendus maapinnal  "},
    };
    for (const auto &[caption, expected] : captions)
        QCOMPARE(caption->text(), QString::fromUtf8(expected));

    for (QLineEdit *field : w.inputFields())
        QVERIFY2(!field->isEnabled(), qPrintable(field->objectName()));
    QVERIFY(!w.controls().cboNimestik->isEnabled());
    QVERIFY(!w.controls().cboPiirkond->isEnabled());
    QVERIFY(!w.controls().cmdArvuta->isEnabled());
    QVERIFY(!w.controls().cmdArvuta->isDefault());
    QVERIFY(w.controls().cmdTühjenda->isEnabled());
    QTRY_VERIFY(w.controls().cmdTühjenda->hasFocus());

    QCOMPARE(w.controls().optSuveaeg->toolTip(), u" Suveaeg "_s);
    QCOMPARE(w.controls().optTalveaeg->toolTip(), u" Suveaeg "_s);

    // The stored clock times are those the labels show.
    QCOMPARE(QString::fromStdString(solar::FormatClockTime(w.runState().NoonAtSunrise)), u"13:21:46"_s);
    QCOMPARE(QString::fromStdString(solar::FormatClockTime(w.runState().SunriseTime)), u"03:59:53"_s);
    QCOMPARE(QString::fromStdString(solar::FormatClockTime(w.runState().NoonAtSunset)), u"13:21:52"_s);
    QCOMPARE(QString::fromStdString(solar::FormatClockTime(w.runState().SunsetTime)), u"22:43:53"_s);
    QVERIFY(w.runState().ResultsShown);
    QVERIFY(!w.runState().SunriseColumnPolar);
    QVERIFY(!w.runState().SunsetColumnPolar);
}

void tst_results_view::polarNight()
{
    frmProge w;
    fill(w, {"21", "12", "2003", "70", "00", "00", "25", "00", "00", "0"}, 1);
    w.ComputeResults();
    QCOMPARE(w.controls().lblPäiTõuKell->text(), u"polaaröö"_s);
    QCOMPARE(w.controls().lblPäiLooKell->text(), u"polaaröö"_s);
    QCOMPARE(w.controls().lblPäiTõu_st_KeskP_ni->text(), u"0h 0m 0s"_s);
    QCOMPARE(w.controls().lblKeskP_st_PäiLoo_ni->text(), u"0h 0m 0s"_s);
    QVERIFY(w.runState().SunriseColumnPolar);
    QVERIFY(w.runState().SunsetColumnPolar);
    QCOMPARE(w.controls().optTalveaeg->toolTip(), u" Talveaeg "_s);
    QCOMPARE(w.controls().fraTulem->title(), u"Tulemus /pühap./:"_s);
}

QTEST_MAIN(tst_results_view)
#include "tst_results_view.moc"
