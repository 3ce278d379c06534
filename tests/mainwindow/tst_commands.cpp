// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate, Clear and Exit through the keyboard of the real window.
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

#include "window_fixture.h"

using namespace Qt::StringLiterals;

class TestCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmProge> w;
    std::unique_ptr<NoticeRecorder> recorder;

    // 21 June 2003, Tallinn: 59° 26' 13'', 24° 44' 42'', 30 m, typed without the mouse.
    void typeTallinnObservation(const char *height = "30")
    {
        w->controls().txtPäev->setFocus();
        for (const char *text : {"21", "06", "2003", "59", "26", "13", "24", "44", "42"})
            typeText(text);
        typeText(height);
        QVERIFY(w->controls().txtKõrgus->hasFocus());
    }

    void verifyNothingComputed()
    {
        QVERIFY(!w->runState().ResultsShown);
        QCOMPARE(w->controls().lblPäiTõuKell->text(), QString());
        QCOMPARE(w->controls().lblPäev_Nädal->text(), QString());
        QCOMPARE(w->controls().fraTulem->title(), u"Sisesta andmed..."_s);
    }

private slots:
    void init() { openSession(w, recorder); }
    void cleanup() { QVERIFY(closeSession(w, recorder)); }

    void calculateWithEnter()
    {
        typeTallinnObservation();
        QVERIFY(w->controls().cmdArvuta->isDefault());
        pressKey(Qt::Key_Return);
        QVERIFY(recorder->notices.isEmpty());
        QVERIFY(w->runState().ResultsShown);
        const QList<std::pair<QLabel *, QString>> expected = {
            {w->controls().lblPäev_Nädal, u"172 / 25"_s},
            {w->controls().lblNurkA_Tõ, u"168° 47' 02''"_s},
            {w->controls().lblNurkB_Tõ, u"166° 31' 37''"_s},
            {w->controls().lblNurkC_Tõ, u"87° 00' 54''"_s},
            {w->controls().lblNurkD_Tõ, u"23° 24' 25''"_s},
            {w->controls().lblPäiHorKoh_Tõ, u"53° 58' 12''"_s},
            {w->controls().lblKohKeskP_Tõ, u"13:21:46"_s},
            {w->controls().lblPäiTõu_st_KeskP_ni, u"9h 21m 53s"_s},
            {w->controls().lblKeskP_st_PäiLoo_ni, u"9h 22m 1s"_s},
            {w->controls().lblPäiTõuKell, u"03:59:53"_s},
            {w->controls().lblPäiLooKell, u"22:43:53"_s},
            {w->controls().lblTühi_Tõ, u"  ********"_s},
            {w->controls().lblTühi_Lo, u"  ********"_s},
        };
        for (const auto &[label, text] : expected)
            QCOMPARE(label->text(), text);
        QCOMPARE(w->controls().fraTulem->title(), u"Tulemus /laup./:"_s);
    }

    void zeroDayOrMonth_data()
    {
        QTest::addColumn<QString>("typedField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("day 0") << u"txtPäev"_s << u"0"_s << u"0-päeva ei ole olemas..."_s;
        QTest::newRow("month 0") << u"txtKuu"_s << u"0"_s << u"0-kuud ei ole olemas..."_s;
        QTest::newRow("month 00") << u"txtKuu"_s << u"00"_s << u"0-kuud ei ole olemas..."_s;
    }
    void zeroDayOrMonth()
    {
        QFETCH(QString, typedField);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        fillAllButTheDate(*w);
        auto *field = w->findChild<QLineEdit *>(typedField);
        if (field == w->controls().txtPäev)
            w->controls().txtKuu->setText(u"06"_s);
        else
            w->controls().txtPäev->setText(u"21"_s);
        // Typed last, into the field still holding the focus: it has not been left.
        field->setFocus();
        QTest::keyClicks(field, typed);
        QVERIFY(gotFocus(field));
        QVERIFY(w->controls().cmdArvuta->isDefault());
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{notice("Tähelepanu", line.toUtf8().constData())});
        QCOMPARE(field->text(), QString());
        QVERIFY(gotFocus(field));
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        verifyNothingComputed();
    }

    void yearBefore1900WithEnterGivesOneNotice()
    {
        fillAllButTheDate(*w);
        w->controls().txtPäev->setText(u"21"_s);
        w->controls().txtKuu->setText(u"06"_s);
        w->controls().txtAasta->clear();
        typeInto(w->controls().txtAasta, "189");  // three digits do not advance
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kYearBefore1900});
        QCOMPARE(w->controls().txtAasta->text(), QString());
        QVERIFY(gotFocus(w->controls().txtAasta));
        verifyNothingComputed();
    }

    void oneDigitCompletedByCalculate()
    {
        typeTallinnObservation();
        w->controls().txtLaiusMinut->clear();
        typeInto(w->controls().txtLaiusMinut, "7");
        pressKey(Qt::Key_Return);
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->controls().txtLaiusMinut->text(), u"07"_s);
        QVERIFY(w->runState().ResultsShown);
    }

    // Day and month typed before the year; the year then written the way a
    // place pick writes it, without the year field being left.
    void impossibleDateNeverComputed()
    {
        w->controls().txtPäev->setFocus();
        typeText("29");
        typeText("02");
        w->controls().txtLaiusKraad->setFocus();
        fillAllButTheDate(*w);
        w->controls().txtAasta->setText(u"2026"_s);
        QVERIFY(recorder->notices.isEmpty());
        QVERIFY(w->controls().cmdArvuta->isEnabled());
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kNotLeapYear});
        QCOMPARE(w->controls().txtPäev->text(), QString());
        QVERIFY(gotFocus(w->controls().txtPäev));
        verifyNothingComputed();
    }

    void loneMinusLongitudeRefused_data()
    {
        QTest::addColumn<QString>("degrees");
        QTest::newRow("lone minus") << u"-"_s;
        QTest::newRow("minus after a digit") << u"5-"_s;
    }
    void loneMinusLongitudeRefused()
    {
        QFETCH(QString, degrees);
        fillAllButTheDate(*w);
        w->controls().txtPäev->setText(u"21"_s);
        w->controls().txtKuu->setText(u"06"_s);
        w->controls().txtPikkusKraad->clear();
        w->controls().txtPikkusKraad->setFocus();
        QTest::keyClicks(w->controls().txtPikkusKraad, degrees);
        w->controls().txtKõrgus->setFocus();
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(w->controls().txtPikkusKraad->text(), QString());
        QVERIFY(gotFocus(w->controls().txtPikkusKraad));
        verifyNothingComputed();
    }

    void lockedAfterComputation()
    {
        typeTallinnObservation();
        pressKey(Qt::Key_Return);
        for (QLineEdit *field : w->inputFields())
            QVERIFY(!field->isEnabled());
        QVERIFY(!w->controls().cboNimestik->isEnabled());
        QVERIFY(!w->controls().cboPiirkond->isEnabled());
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        QVERIFY(!w->controls().cmdArvuta->isDefault());
        QVERIFY(w->controls().cmdTühjenda->isEnabled());
        QVERIFY(gotFocus(w->controls().cmdTühjenda));
        const QString sunrise = w->controls().lblPäiTõuKell->text();
        pressKey(Qt::Key_A, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(w->controls().lblPäiTõuKell->text(), sunrise);
        QVERIFY(w->runState().ResultsShown);
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->controls().optSuveaeg->toolTip(), u" Suveaeg "_s);
    }

    void clearKeepsPlaceAndYear()
    {
        typeTallinnObservation();
        pressKey(Qt::Key_Return);
        const QString captionA = w->controls().lblNurkA->text();
        pressKey(Qt::Key_T, Qt::AltModifier);
        // An access key clicks after a short flash.
        QTRY_COMPARE(w->controls().cmdTühjenda->isEnabled(), false);
        const MainWindowControls &c = w->controls();
        for (QLabel *label : {c.lblPäev_Nädal, c.lblNurkA_Tõ, c.lblNurkE_Lo, c.lblPäiTõuKell, c.lblPäiLooKell,
                              c.lblTühi_Tõ, c.lblTühi_Lo, c.lblPöörlemiskiir, c.lblRaskuskiir})
            QCOMPARE(label->text(), QString());
        QCOMPARE(w->controls().lblNurkA->text(), captionA);  // the row captions stay
        QCOMPARE(w->controls().fraTulem->title(), u"Sisesta uued andmed..."_s);
        QCOMPARE(w->controls().txtPäev->text(), QString());
        QCOMPARE(w->controls().txtKuu->text(), QString());
        QCOMPARE(w->controls().txtAasta->text(), u"2003"_s);
        QCOMPARE(w->controls().txtLaiusSekund->text(), u"13"_s);
        QCOMPARE(w->controls().txtKõrgus->text(), u"30"_s);
        QVERIFY(gotFocus(w->controls().txtPäev));
        QVERIFY(w->controls().cboNimestik->isEnabled());
        QVERIFY(!w->controls().cboPiirkond->isEnabled());
        QVERIFY(!w->controls().cmdTühjenda->isEnabled());
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        QVERIFY(!w->runState().ResultsShown);
        QCOMPARE(w->controls().optSuveaeg->toolTip(), u" Vali suveaeg või talveaeg "_s);
        QCOMPARE(w->controls().optTalveaeg->toolTip(), u" Vali suveaeg või talveaeg "_s);

        typeText("22");
        typeText("06");
        QVERIFY(w->controls().cmdArvuta->isEnabled());
        QVERIFY(w->controls().cmdArvuta->isDefault());
        pressKey(Qt::Key_Return);
        QCOMPARE(w->controls().lblPäev_Nädal->text(), u"173 / 25"_s);
        QVERIFY(recorder->notices.isEmpty());
    }

    void enterWithoutDefaultButtonDoesNothing()
    {
        QList<int> codes;
        w->endProgram = [&codes](int code) { codes.append(code); };
        typeInto(w->controls().txtPäev, "1");
        pressKey(Qt::Key_Return);
        QVERIFY(codes.isEmpty());
        QVERIFY(!w->controls().cmdVälju->isDefault());
        QVERIFY(!w->controls().cmdTühjenda->isDefault());
        verifyNothingComputed();
    }

    void enterOnFocusedClear()
    {
        typeTallinnObservation();
        pressKey(Qt::Key_Return);
        QVERIFY(gotFocus(w->controls().cmdTühjenda));
        pressKey(Qt::Key_Return);
        QVERIFY(!w->runState().ResultsShown);
        QVERIFY(gotFocus(w->controls().txtPäev));
    }

    // Alt+A clicks a moment later; a notice that opens meanwhile (latitude "90"
    // typed at once) must not let the click compute the field it is about to empty.
    void delayedAccessKeyUnderNotice()
    {
        recorder = std::make_unique<NoticeRecorder>(300);
        typeTallinnObservation();
        w->controls().txtLaiusKraad->setText(u"9"_s);
        QVERIFY(w->controls().cmdArvuta->isEnabled());
        pressKey(Qt::Key_A, Qt::AltModifier);
        w->controls().txtLaiusKraad->setFocus();
        QTimer::singleShot(0, this, [this] { QTest::keyClicks(w->controls().txtLaiusKraad, u"0"_s); });
        QTest::qWait(600);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kTooLarge});
        QCOMPARE(w->controls().txtLaiusKraad->text(), QString());
        QVERIFY(!w->runState().ResultsShown);
        verifyNothingComputed();
    }

    void escapeEndsTheProgram()
    {
        QList<int> codes;
        w->endProgram = [&codes](int code) { codes.append(code); };
        typeInto(w->controls().txtPäev, "1");
        pressKey(Qt::Key_Escape);
        QCOMPARE(codes, QList<int>{0});
        QVERIFY(recorder->notices.isEmpty());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
