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
        w->txtPäev->setFocus();
        for (const char *text : {"21", "06", "2003", "59", "26", "13", "24", "44", "42"})
            typeText(text);
        typeText(height);
        QVERIFY(w->txtKõrgus->hasFocus());
    }

    void verifyNothingComputed()
    {
        QCOMPARE(w->ResultsShown, 0.0f);
        QCOMPARE(w->lblPäiTõuKell->text(), QString());
        QCOMPARE(w->lblPäev_Nädal->text(), QString());
        QCOMPARE(w->fraTulem->title(), u"Sisesta andmed..."_s);
    }

private slots:
    void init() { openSession(w, recorder); }
    void cleanup() { QVERIFY(closeSession(w, recorder)); }

    void calculateWithEnter()
    {
        typeTallinnObservation();
        QVERIFY(w->cmdArvuta->isDefault());
        pressKey(Qt::Key_Return);
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->ResultsShown, 1.0f);
        const QList<std::pair<QLabel *, QString>> expected = {
            {w->lblPäev_Nädal, u"172 / 25"_s},          {w->lblNurkA_Tõ, u"168° 47' 02''"_s},
            {w->lblNurkB_Tõ, u"166° 31' 37''"_s},       {w->lblNurkC_Tõ, u"87° 00' 54''"_s},
            {w->lblNurkD_Tõ, u"23° 24' 25''"_s},        {w->lblPäiHorKoh_Tõ, u"53° 58' 12''"_s},
            {w->lblKohKeskP_Tõ, u"13:21:46"_s},         {w->lblPäiTõu_st_KeskP_ni, u"9h 21m 53s"_s},
            {w->lblKeskP_st_PäiLoo_ni, u"9h 22m 1s"_s}, {w->lblPäiTõuKell, u"03:59:53"_s},
            {w->lblPäiLooKell, u"22:43:53"_s},          {w->lblTühi_Tõ, u"  ********"_s},
            {w->lblTühi_Lo, u"  ********"_s},
        };
        for (const auto &[label, text] : expected)
            QCOMPARE(label->text(), text);
        QCOMPARE(w->fraTulem->title(), u"Tulemus /laup./:"_s);
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
        if (field == w->txtPäev)
            w->txtKuu->setText(u"06"_s);
        else
            w->txtPäev->setText(u"21"_s);
        // Typed last, into the field still holding the focus: it has not been left.
        field->setFocus();
        QTest::keyClicks(field, typed);
        QVERIFY(gotFocus(field));
        QVERIFY(w->cmdArvuta->isDefault());
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{notice("Tähelepanu", line.toUtf8().constData())});
        QCOMPARE(field->text(), QString());
        QVERIFY(gotFocus(field));
        QVERIFY(!w->cmdArvuta->isEnabled());
        verifyNothingComputed();
    }

    void yearBefore1900WithEnterGivesOneNotice()
    {
        fillAllButTheDate(*w);
        w->txtPäev->setText(u"21"_s);
        w->txtKuu->setText(u"06"_s);
        w->txtAasta->clear();
        typeInto(w->txtAasta, "189");  // three digits do not advance
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kYearBefore1900});
        QCOMPARE(w->txtAasta->text(), QString());
        QVERIFY(gotFocus(w->txtAasta));
        verifyNothingComputed();
    }

    void oneDigitCompletedByCalculate()
    {
        typeTallinnObservation();
        w->txtLaiusMinut->clear();
        typeInto(w->txtLaiusMinut, "7");
        pressKey(Qt::Key_Return);
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->txtLaiusMinut->text(), u"07"_s);
        QCOMPARE(w->ResultsShown, 1.0f);
    }

    // Day and month typed before the year; the year then written the way a
    // place pick writes it, without the year field being left.
    void impossibleDateNeverComputed()
    {
        w->txtPäev->setFocus();
        typeText("29");
        typeText("02");
        w->txtLaiusKraad->setFocus();
        fillAllButTheDate(*w);
        w->txtAasta->setText(u"2026"_s);
        QVERIFY(recorder->notices.isEmpty());
        QVERIFY(w->cmdArvuta->isEnabled());
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kNotLeapYear});
        QCOMPARE(w->txtPäev->text(), QString());
        QVERIFY(gotFocus(w->txtPäev));
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
        w->txtPäev->setText(u"21"_s);
        w->txtKuu->setText(u"06"_s);
        w->txtPikkusKraad->clear();
        w->txtPikkusKraad->setFocus();
        QTest::keyClicks(w->txtPikkusKraad, degrees);
        w->txtKõrgus->setFocus();
        pressKey(Qt::Key_Return);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(w->txtPikkusKraad->text(), QString());
        QVERIFY(gotFocus(w->txtPikkusKraad));
        verifyNothingComputed();
    }

    void lockedAfterComputation()
    {
        typeTallinnObservation();
        pressKey(Qt::Key_Return);
        for (QLineEdit *field : w->inputFields())
            QVERIFY(!field->isEnabled());
        QVERIFY(!w->cboNimestik->isEnabled());
        QVERIFY(!w->cboPiirkond->isEnabled());
        QVERIFY(!w->cmdArvuta->isEnabled());
        QVERIFY(!w->cmdArvuta->isDefault());
        QVERIFY(w->cmdTühjenda->isEnabled());
        QVERIFY(gotFocus(w->cmdTühjenda));
        const QString sunrise = w->lblPäiTõuKell->text();
        pressKey(Qt::Key_A, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(w->lblPäiTõuKell->text(), sunrise);
        QCOMPARE(w->ResultsShown, 1.0f);
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->optSuveaeg->toolTip(), u" Suveaeg "_s);
    }

    void clearKeepsPlaceAndYear()
    {
        typeTallinnObservation();
        pressKey(Qt::Key_Return);
        const QString captionA = w->lblNurkA->text();
        pressKey(Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(w->cmdTühjenda->isEnabled(), false);  // an access key clicks after a short flash
        for (QLabel *label :
             {w->lblPäev_Nädal, w->lblNurkA_Tõ, w->lblNurkE_Lo, w->lblPäiTõuKell, w->lblPäiLooKell,
              w->lblTühi_Tõ, w->lblTühi_Lo, w->lblPöörlemiskiir, w->lblRaskuskiir})
            QCOMPARE(label->text(), QString());
        QCOMPARE(w->lblNurkA->text(), captionA);  // the row captions stay
        QCOMPARE(w->fraTulem->title(), u"Sisesta uued andmed..."_s);
        QCOMPARE(w->txtPäev->text(), QString());
        QCOMPARE(w->txtKuu->text(), QString());
        QCOMPARE(w->txtAasta->text(), u"2003"_s);
        QCOMPARE(w->txtLaiusSekund->text(), u"13"_s);
        QCOMPARE(w->txtKõrgus->text(), u"30"_s);
        QVERIFY(gotFocus(w->txtPäev));
        QVERIFY(w->cboNimestik->isEnabled());
        QVERIFY(!w->cboPiirkond->isEnabled());
        QVERIFY(!w->cmdTühjenda->isEnabled());
        QVERIFY(!w->cmdArvuta->isEnabled());
        QCOMPARE(w->ResultsShown, 0.0f);
        QCOMPARE(w->optSuveaeg->toolTip(), u" Vali suveaeg või talveaeg "_s);
        QCOMPARE(w->optTalveaeg->toolTip(), u" Vali suveaeg või talveaeg "_s);

        typeText("22");
        typeText("06");
        QVERIFY(w->cmdArvuta->isEnabled());
        QVERIFY(w->cmdArvuta->isDefault());
        pressKey(Qt::Key_Return);
        QCOMPARE(w->lblPäev_Nädal->text(), u"173 / 25"_s);
        QVERIFY(recorder->notices.isEmpty());
    }

    void enterWithoutDefaultButtonDoesNothing()
    {
        QList<int> codes;
        w->endProgram = [&codes](int code) { codes.append(code); };
        typeInto(w->txtPäev, "1");
        pressKey(Qt::Key_Return);
        QVERIFY(codes.isEmpty());
        QVERIFY(!w->cmdVälju->isDefault());
        QVERIFY(!w->cmdTühjenda->isDefault());
        verifyNothingComputed();
    }

    void enterOnFocusedClear()
    {
        typeTallinnObservation();
        pressKey(Qt::Key_Return);
        QVERIFY(gotFocus(w->cmdTühjenda));
        pressKey(Qt::Key_Return);
        QCOMPARE(w->ResultsShown, 0.0f);
        QVERIFY(gotFocus(w->txtPäev));
    }

    // Alt+A clicks a moment later; a notice that opens meanwhile (latitude "90"
    // typed at once) must not let the click compute the field it is about to empty.
    void delayedAccessKeyUnderNotice()
    {
        recorder = std::make_unique<NoticeRecorder>(300);
        typeTallinnObservation();
        w->txtLaiusKraad->setText(u"9"_s);
        QVERIFY(w->cmdArvuta->isEnabled());
        pressKey(Qt::Key_A, Qt::AltModifier);
        w->txtLaiusKraad->setFocus();
        QTimer::singleShot(0, this, [this] { QTest::keyClicks(w->txtLaiusKraad, u"0"_s); });
        QTest::qWait(600);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kTooLarge});
        QCOMPARE(w->txtLaiusKraad->text(), QString());
        QCOMPARE(w->ResultsShown, 0.0f);
        verifyNothingComputed();
    }

    void escapeEndsTheProgram()
    {
        QList<int> codes;
        w->endProgram = [&codes](int code) { codes.append(code); };
        typeInto(w->txtPäev, "1");
        pressKey(Qt::Key_Escape);
        QCOMPARE(codes, QList<int>{0});
        QVERIFY(recorder->notices.isEmpty());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
