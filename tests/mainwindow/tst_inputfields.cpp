// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the real window: the key filter, the limits, the date checks,
// the hints, the advances and the tidying when a field is left.
#include <QClipboard>
#include <QRadioButton>

#include "window_fixture.h"

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RecordedNotice)

class TestInputFields : public QObject
{
    Q_OBJECT

private slots:
    void init() { openSession(w, recorder); }
    void cleanup() { QVERIFY(closeSession(w, recorder)); }

    void dayTooLarge()
    {
        const int beeps = beepCount();
        typeInto(w->controls().txtPäev, "32");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kTooLarge});
        QCOMPARE(beepCount(), beeps + 1);
        QCOMPARE(w->controls().txtPäev->text(), QString());
        QVERIFY(gotFocus(w->controls().txtPäev));
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
    }

    void dayThenShortMonth()
    {
        typeInto(w->controls().txtPäev, "31");
        QVERIFY(gotFocus(w->controls().txtKuu));
        typeText("4");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kWrongDay});
        QCOMPARE(w->controls().txtPäev->text(), QString());
        QVERIFY(gotFocus(w->controls().txtPäev));
        QCOMPARE(w->controls().txtKuu->text(), u"4"_s);  // the month is not tidied: it was not left
        QVERIFY(w->controls().optSuveaeg->isChecked());
        QVERIFY(!w->runState().WinterTime);
    }

    void leapDay_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("2003, a common year") << u"2003"_s << false;
        QTest::newRow("1900, a common century year") << u"1900"_s << false;
        QTest::newRow("1996, a leap year") << u"1996"_s << true;
        QTest::newRow("2000, a leap century year") << u"2000"_s << true;
    }
    void leapDay()
    {
        QFETCH(QString, year);
        QFETCH(bool, accepted);
        typeInto(w->controls().txtPäev, "29");
        typeText("02");
        QVERIFY(gotFocus(w->controls().txtAasta));
        QTest::keyClicks(w->controls().txtAasta, year);  // four digits advance: the year is left
        if (accepted) {
            QVERIFY(gotFocus(w->controls().txtLaiusKraad));
            QVERIFY(recorder->notices.isEmpty());
            QCOMPARE(w->controls().txtPäev->text(), u"29"_s);
        } else {
            QCOMPARE(recorder->notices, QList<RecordedNotice>{kNotLeapYear});
            QCOMPARE(w->controls().txtPäev->text(), QString());
            QVERIFY(gotFocus(w->controls().txtPäev));
        }
    }

    void februaryThirtieth_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<RecordedNotice>("expected");
        QTest::newRow("2003: not a leap year either")
            << u"2003"_s
            << notice("Vigane kuupäev", "Sisestatud kuupäev ei ole õige", "",
                      "NB! Sisestatud aasta ei ole liigaasta");
        QTest::newRow("2004: a leap year") << u"2004"_s << kWrongDay;
    }
    void februaryThirtieth()
    {
        QFETCH(QString, year);
        QFETCH(RecordedNotice, expected);
        typeInto(w->controls().txtAasta, year.toUtf8().constData());
        typeInto(w->controls().txtKuu, "02");
        typeInto(w->controls().txtPäev, "30");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{expected});
        QCOMPARE(w->controls().txtPäev->text(), QString());
        QVERIFY(gotFocus(w->controls().txtPäev));
        QCOMPARE(w->controls().txtKuu->text(), u"02"_s);
    }

    void monthThirteen_data()
    {
        QTest::addColumn<bool>("dayFilled");
        QTest::newRow("day empty: winter time chosen") << false;
        QTest::newRow("day filled: season untouched") << true;
    }
    void monthThirteen()
    {
        QFETCH(bool, dayFilled);
        if (dayFilled) {
            typeInto(w->controls().txtPäev, "12");
            typeText("1");  // January chooses winter time ...
            QVERIFY(w->controls().optTalveaeg->isChecked());
            w->controls().optSuveaeg->click();  // ... and summer is picked (the focus stays in the month)
        } else {
            typeInto(w->controls().txtKuu, "1");
        }
        typeText("3");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kTooLarge});
        QCOMPARE(w->controls().txtKuu->text(), QString());
        QVERIFY(gotFocus(w->controls().txtKuu));
        QCOMPARE(w->controls().optTalveaeg->isChecked(), !dayFilled);
    }

    void monthZero_data()
    {
        QTest::addColumn<QString>("month");
        QTest::newRow("0") << u"0"_s;
        QTest::newRow("00") << u"00"_s;
    }
    void monthZero()
    {
        QFETCH(QString, month);
        typeInto(w->controls().txtPäev, "12");
        QTest::keyClicks(w->controls().txtKuu, month);
        QVERIFY(gotFocus(w->controls().txtKuu));  // no advance
        QVERIFY(w->controls().optSuveaeg->isChecked());
        pressKey(Qt::Key_Tab);
        QCOMPARE(w->controls().txtKuu->text(), QString());  // leaving empties it
        QVERIFY(recorder->notices.isEmpty());
    }

    void monthZeroWithoutDayAdvances()
    {
        typeInto(w->controls().txtKuu, "00");
        QVERIFY(gotFocus(w->controls().txtAasta));
        QCOMPARE(w->controls().txtKuu->text(), QString());
        QVERIFY(recorder->notices.isEmpty());
    }

    void minusSign_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *name : {"txtPäev", "txtKuu", "txtAasta", "txtLaiusKraad", "txtLaiusMinut",
                                 "txtLaiusSekund", "txtPikkusMinut", "txtPikkusSekund", "txtKõrgus"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void minusSign()
    {
        QFETCH(QString, field);
        auto *box = w->findChild<QLineEdit *>(field);
        QVERIFY(box);
        typeInto(box, "-");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(box->text(), QString());
    }

    void minusInLongitudeDegrees()
    {
        typeInto(w->controls().txtPikkusKraad, "-5");
        QCOMPARE(w->controls().txtPikkusKraad->text(), u"-5"_s);
        QVERIFY(gotFocus(w->controls().txtPikkusMinut));
        typeInto(w->controls().txtPikkusKraad, "");
        w->controls().txtPikkusKraad->clear();
        QTest::keyClicks(w->controls().txtPikkusKraad, "--");
        QCOMPARE(w->controls().txtPikkusKraad->text(), QString());
        QVERIFY(recorder->notices.isEmpty());
    }

    void otherRejectedKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier);
        QTest::newRow("blank") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("decimal point") << int(Qt::Key_Period) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    }
    void otherRejectedKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QApplication::clipboard()->setText(u"12"_s);
        typeInto(w->controls().txtKõrgus, "3");
        QTest::keyClick(w->controls().txtKõrgus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(w->controls().txtKõrgus->text(), u"3"_s);
        QCOMPARE(QApplication::clipboard()->text(), u"12"_s);
    }

    void mouseButtonsNeverPaste()
    {
        QApplication::clipboard()->setText(u"34"_s);
        QTest::mouseClick(w->controls().txtKõrgus, Qt::RightButton);
        QCOMPARE(QApplication::clipboard()->text(), u"34"_s);  // the clipboard is left alone
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->controls().txtKõrgus->contextMenuPolicy(), Qt::NoContextMenu);
        QTest::mouseClick(w->controls().txtKõrgus, Qt::MiddleButton);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(w->controls().txtKõrgus->text(), QString());
    }

    void wholeObservationWithoutMouse()
    {
        w->controls().txtPäev->setFocus();
        QCOMPARE(w->controls().cmdArvuta->isEnabled(), false);
        const QList<std::pair<const char *, QLineEdit *>> steps = {
            {"21", w->controls().txtKuu},          {"06", w->controls().txtAasta},
            {"2003", w->controls().txtLaiusKraad}, {"59", w->controls().txtLaiusMinut},
            {"26", w->controls().txtLaiusSekund},  {"13", w->controls().txtPikkusKraad},
            {"24", w->controls().txtPikkusMinut},  {"44", w->controls().txtPikkusSekund},
            {"42", w->controls().txtKõrgus},
        };
        for (const auto &[text, next] : steps) {
            typeText(text);
            QCOMPARE(QApplication::focusWidget(), next);
            QVERIFY(!w->controls().cmdArvuta->isEnabled());
        }
        typeText("3000");
        QVERIFY(gotFocus(w->controls().txtKõrgus));  // the height never advances
        QVERIFY(w->controls().cmdArvuta->isEnabled());
        QVERIFY(w->controls().cmdArvuta->isDefault());
        QVERIFY(recorder->notices.isEmpty());
        pressKey(Qt::Key_Backspace);
        pressKey(Qt::Key_Backspace);
        pressKey(Qt::Key_Backspace);
        pressKey(Qt::Key_Backspace);
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        QVERIFY(!w->controls().cmdArvuta->isDefault());
    }

    void tidiedOnLeaving_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("minutes 7") << u"txtLaiusMinut"_s << u"7"_s << u"07"_s;
        QTest::newRow("minutes 0") << u"txtPikkusMinut"_s << u"0"_s << u"00"_s;
        QTest::newRow("seconds 5") << u"txtPikkusSekund"_s << u"5"_s << u"05"_s;
        QTest::newRow("day 0 emptied") << u"txtPäev"_s << u"0"_s << QString();
        QTest::newRow("day 5") << u"txtPäev"_s << u"5"_s << u"05"_s;
        QTest::newRow("month 9") << u"txtKuu"_s << u"9"_s << u"09"_s;
        QTest::newRow("latitude degrees stay") << u"txtLaiusKraad"_s << u"5"_s << u"5"_s;
    }
    void tidiedOnLeaving()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        auto *box = w->findChild<QLineEdit *>(field);
        typeInto(box, typed.toUtf8().constData());
        pressKey(Qt::Key_Tab);
        QCOMPARE(box->text(), left);
        QVERIFY(recorder->notices.isEmpty());
    }

    void yearBefore1900OnLeaving()
    {
        typeInto(w->controls().txtAasta, "189");
        pressKey(Qt::Key_Tab);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kYearBefore1900});
        QCOMPARE(w->controls().txtAasta->text(), QString());
        QVERIFY(gotFocus(w->controls().txtAasta));
    }

    void hints()
    {
        QCOMPARE(w->controls().txtAasta->toolTip(), u" Sisesta aasta täispikkuses "_s);
        typeInto(w->controls().txtAasta, "20");
        QCOMPARE(w->controls().txtAasta->toolTip(), u" Muuda aasta (täispikkuses) "_s);
        typeText("03");
        typeInto(w->controls().txtKõrgus, "5");
        QCOMPARE(w->controls().txtKõrgus->toolTip(), u" Muuda vaatluskõrgus "_s);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(w->controls().txtKõrgus->toolTip(), u" Sisesta kõrgus merepinnast meetrites "_s);
    }

private:
    std::unique_ptr<frmProge> w;
    std::unique_ptr<NoticeRecorder> recorder;
};

QTEST_MAIN(TestInputFields)
#include "tst_inputfields.moc"
