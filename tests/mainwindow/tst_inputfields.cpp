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
        typeInto(w->txtPäev, "32");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kTooLarge});
        QCOMPARE(beepCount(), beeps + 1);
        QCOMPARE(w->txtPäev->text(), QString());
        QVERIFY(gotFocus(w->txtPäev));
        QVERIFY(!w->cmdArvuta->isEnabled());
    }

    void dayThenShortMonth()
    {
        typeInto(w->txtPäev, "31");
        QVERIFY(gotFocus(w->txtKuu));
        typeText("4");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kWrongDay});
        QCOMPARE(w->txtPäev->text(), QString());
        QVERIFY(gotFocus(w->txtPäev));
        QCOMPARE(w->txtKuu->text(), u"4"_s);  // the month is not tidied: it was not left
        QVERIFY(w->optSuveaeg->isChecked());
        QCOMPARE(w->WinterTime, 0);
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
        typeInto(w->txtPäev, "29");
        typeText("02");
        QVERIFY(gotFocus(w->txtAasta));
        QTest::keyClicks(w->txtAasta, year);  // four digits advance: the year is left
        if (accepted) {
            QVERIFY(gotFocus(w->txtLaiusKraad));
            QVERIFY(recorder->notices.isEmpty());
            QCOMPARE(w->txtPäev->text(), u"29"_s);
        } else {
            QCOMPARE(recorder->notices, QList<RecordedNotice>{kNotLeapYear});
            QCOMPARE(w->txtPäev->text(), QString());
            QVERIFY(gotFocus(w->txtPäev));
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
        typeInto(w->txtAasta, year.toUtf8().constData());
        typeInto(w->txtKuu, "02");
        typeInto(w->txtPäev, "30");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{expected});
        QCOMPARE(w->txtPäev->text(), QString());
        QVERIFY(gotFocus(w->txtPäev));
        QCOMPARE(w->txtKuu->text(), u"02"_s);
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
            typeInto(w->txtPäev, "12");
            typeText("1");  // January chooses winter time ...
            QVERIFY(w->optTalveaeg->isChecked());
            w->optSuveaeg->click();  // ... and summer is picked (the focus stays in the month)
        } else {
            typeInto(w->txtKuu, "1");
        }
        typeText("3");
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kTooLarge});
        QCOMPARE(w->txtKuu->text(), QString());
        QVERIFY(gotFocus(w->txtKuu));
        QCOMPARE(w->optTalveaeg->isChecked(), !dayFilled);
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
        typeInto(w->txtPäev, "12");
        QTest::keyClicks(w->txtKuu, month);
        QVERIFY(gotFocus(w->txtKuu));  // no advance
        QVERIFY(w->optSuveaeg->isChecked());
        pressKey(Qt::Key_Tab);
        QCOMPARE(w->txtKuu->text(), QString());  // leaving empties it
        QVERIFY(recorder->notices.isEmpty());
    }

    void monthZeroWithoutDayAdvances()
    {
        typeInto(w->txtKuu, "00");
        QVERIFY(gotFocus(w->txtAasta));
        QCOMPARE(w->txtKuu->text(), QString());
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
        typeInto(w->txtPikkusKraad, "-5");
        QCOMPARE(w->txtPikkusKraad->text(), u"-5"_s);
        QVERIFY(gotFocus(w->txtPikkusMinut));
        typeInto(w->txtPikkusKraad, "");
        w->txtPikkusKraad->clear();
        QTest::keyClicks(w->txtPikkusKraad, "--");
        QCOMPARE(w->txtPikkusKraad->text(), QString());
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
        typeInto(w->txtKõrgus, "3");
        QTest::keyClick(w->txtKõrgus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(w->txtKõrgus->text(), u"3"_s);
        QCOMPARE(QApplication::clipboard()->text(), u"12"_s);
    }

    void mouseButtonsNeverPaste()
    {
        QApplication::clipboard()->setText(u"34"_s);
        QTest::mouseClick(w->txtKõrgus, Qt::RightButton);
        QCOMPARE(QApplication::clipboard()->text(), u"34"_s);  // the clipboard is left alone
        QVERIFY(recorder->notices.isEmpty());
        QCOMPARE(w->txtKõrgus->contextMenuPolicy(), Qt::NoContextMenu);
        QTest::mouseClick(w->txtKõrgus, Qt::MiddleButton);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kRejectedKey});
        QCOMPARE(w->txtKõrgus->text(), QString());
    }

    void wholeObservationWithoutMouse()
    {
        w->txtPäev->setFocus();
        QCOMPARE(w->cmdArvuta->isEnabled(), false);
        const QList<std::pair<const char *, QLineEdit *>> steps = {
            {"21", w->txtKuu},         {"06", w->txtAasta},        {"2003", w->txtLaiusKraad},
            {"59", w->txtLaiusMinut},  {"26", w->txtLaiusSekund},  {"13", w->txtPikkusKraad},
            {"24", w->txtPikkusMinut}, {"44", w->txtPikkusSekund}, {"42", w->txtKõrgus},
        };
        for (const auto &[text, next] : steps) {
            typeText(text);
            QCOMPARE(QApplication::focusWidget(), next);
            QVERIFY(!w->cmdArvuta->isEnabled());
        }
        typeText("3000");
        QVERIFY(gotFocus(w->txtKõrgus));  // the height never advances
        QVERIFY(w->cmdArvuta->isEnabled());
        QVERIFY(w->cmdArvuta->isDefault());
        QVERIFY(recorder->notices.isEmpty());
        pressKey(Qt::Key_Backspace);
        pressKey(Qt::Key_Backspace);
        pressKey(Qt::Key_Backspace);
        pressKey(Qt::Key_Backspace);
        QVERIFY(!w->cmdArvuta->isEnabled());
        QVERIFY(!w->cmdArvuta->isDefault());
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
        typeInto(w->txtAasta, "189");
        pressKey(Qt::Key_Tab);
        QCOMPARE(recorder->notices, QList<RecordedNotice>{kYearBefore1900});
        QCOMPARE(w->txtAasta->text(), QString());
        QVERIFY(gotFocus(w->txtAasta));
    }

    void hints()
    {
        QCOMPARE(w->txtAasta->toolTip(), u" Sisesta aasta täispikkuses "_s);
        typeInto(w->txtAasta, "20");
        QCOMPARE(w->txtAasta->toolTip(), u" Muuda aasta (täispikkuses) "_s);
        typeText("03");
        typeInto(w->txtKõrgus, "5");
        QCOMPARE(w->txtKõrgus->toolTip(), u" Muuda vaatluskõrgus "_s);
        pressKey(Qt::Key_Backspace);
        QCOMPARE(w->txtKõrgus->toolTip(), u" Sisesta kõrgus merepinnast meetrites "_s);
    }

private:
    std::unique_ptr<frmProge> w;
    std::unique_ptr<NoticeRecorder> recorder;
};

QTEST_MAIN(TestInputFields)
#include "tst_inputfields.moc"
