// SPDX-License-Identifier: GPL-3.0-or-later
// The region and place lists of the main window, driven through real picks
// (QComboBox::activated) and real focus moves.
#include "mainwindow/frmProge.h"
#include "shell/notice.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kRegionPrompt = u"         >Vali piirkond<"_s;
const QString kSeparatorHeading = u"         ^ Vali piirkond ^"_s;

QStringList lines(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

}  // namespace

class TestPlaceLists : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void pickRegion_data();
    void pickRegion();
    void pickRegionWithArrowKey();
    void pickPlace_data();
    void pickPlace();
    void pickTownHeading();
    void pickSeparatorThenTabAway();
    void sameRegionTwice();
    void placeTextOnLeaving_data();
    void placeTextOnLeaving();
    void typedLineAndEnterIsNoPick();
    void typedLineAndTabIsNoPick();

private:
    // A pick: the line becomes current and the combo reports it as chosen.
    [[nodiscard]] bool pick(QComboBox *combo, const QString &line);
    void fillPlaceFields(const QString &text);
    QStringList placeFieldTexts() const;
    void tabAwayFrom(QComboBox *combo);

    frmProge *window = nullptr;
};

void TestPlaceLists::init()
{
    window = new frmProge;
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestPlaceLists::cleanup()
{
    delete window;
    window = nullptr;
    const auto left = QApplication::topLevelWidgets();
    for (QWidget *w : left)
        QVERIFY2(!w->isVisible(), qPrintable(u"left open: "_s + w->objectName()));
}

bool TestPlaceLists::pick(QComboBox *combo, const QString &line)
{
    const int index = lines(combo).indexOf(line);
    if (index < 0) {
        qWarning("%s has no line \"%s\"", qPrintable(combo->objectName()), qPrintable(line));
        return false;
    }
    combo->setFocus();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

void TestPlaceLists::fillPlaceFields(const QString &text)
{
    for (QLineEdit *field : {window->controls().txtLaiusKraad, window->controls().txtLaiusMinut,
                             window->controls().txtLaiusSekund, window->controls().txtPikkusKraad,
                             window->controls().txtPikkusMinut, window->controls().txtPikkusSekund,
                             window->controls().txtKõrgus})
        field->setText(text);
}

QStringList TestPlaceLists::placeFieldTexts() const
{
    return {window->controls().txtLaiusKraad->text(),  window->controls().txtLaiusMinut->text(),
            window->controls().txtLaiusSekund->text(), window->controls().txtPikkusKraad->text(),
            window->controls().txtPikkusMinut->text(), window->controls().txtPikkusSekund->text(),
            window->controls().txtKõrgus->text()};
}

void TestPlaceLists::tabAwayFrom(QComboBox *combo)
{
    QApplication::setActiveWindow(window);  // a closed notice may have left no active window
    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(!combo->hasFocus());
}

void TestPlaceLists::startState()
{
    QCOMPARE(window->controls().cboNimestik->currentText(), kRegionPrompt);
    QCOMPARE(lines(window->controls().cboNimestik),
             QStringList({u"A l e v i d"_s, u"L i n n a d"_s, QString(), u"Harjumaa"_s, u"Hiiumaa"_s,
                          u"Ida-Virumaa"_s, u"Jõgevamaa"_s, u"Järvamaa"_s, u"Läänemaa"_s, u"Lääne-Virumaa"_s,
                          u"Põlvamaa"_s, u"Pärnumaa"_s, u"Raplamaa"_s, u"Saaremaa"_s, u"Tartumaa"_s,
                          u"Valgamaa"_s, u"Viljandimaa"_s, u"Võrumaa"_s}));
    QVERIFY(window->controls().cboNimestik->isEnabled());
    QVERIFY(!window->controls().cboPiirkond->isEnabled());
    QCOMPARE(window->controls().cboPiirkond->count(), 0);
    QCOMPARE(window->controls().cboPiirkond->currentText(), QString());
    QCOMPARE(window->controls().cboPiirkond->toolTip(), QString());
}

void TestPlaceLists::pickRegion_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QStringList>("firstLines");
    QTest::addColumn<int>("count");

    QTest::newRow("Hiiumaa, a county of four")
        << u"Hiiumaa"_s << u"    >Hiiumaa<"_s << u" Vali asula koordinaatidega "_s
        << QStringList({u"Emmaste v."_s, u"Hellamaa (Pühalepa v.)"_s, u"Kõrgessaare v."_s, u"Käina v."_s})
        << 4;
    QTest::newRow("boroughs") << u"A l e v i d"_s << u"    >A l e v i d<"_s
                              << u" Vali alev koordinaatidega "_s
                              << QStringList({u"Aegviidu"_s, u"Järvakandi"_s}) << 9;
    QTest::newRow("towns, with headings and districts")
        << u"L i n n a d"_s << u"    >L i n n a d<"_s << u" Vali linn/linnaosa koordinaatidega "_s
        << QStringList({u"Abja-Paluoja  {1993}"_s, u"Antsla  {1938}"_s}) << 62;
    QTest::newRow("Harjumaa") << u"Harjumaa"_s << u"    >Harjumaa<"_s << u" Vali asula koordinaatidega "_s
                              << QStringList({u"Ardu (Kõue v.)"_s}) << 13;
}

void TestPlaceLists::pickRegion()
{
    QFETCH(QString, region);
    QFETCH(QString, heading);
    QFETCH(QString, tooltip);
    QFETCH(QStringList, firstLines);
    QFETCH(int, count);

    window->controls().txtAasta->setText(u"2003"_s);
    fillPlaceFields(u"1"_s);
    QVERIFY(pick(window->controls().cboNimestik, region));

    QVERIFY(window->controls().cboPiirkond->isEnabled());
    QCOMPARE(window->controls().cboPiirkond->currentText(), heading);
    QCOMPARE(window->controls().cboPiirkond->toolTip(), tooltip);
    QCOMPARE(window->controls().cboPiirkond->count(), count);
    QCOMPARE(lines(window->controls().cboPiirkond).mid(0, firstLines.size()), firstLines);
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));
    QCOMPARE(window->controls().txtAasta->text(), u"2003"_s);
    QCOMPARE(window->controls().cboNimestik->currentText(), region);
}

void TestPlaceLists::pickRegionWithArrowKey()
{
    // Down on the closed box steps from the prompt onto the first line.
    window->controls().cboNimestik->setFocus();
    QTest::keyClick(window->controls().cboNimestik, Qt::Key_Down);
    QCOMPARE(window->controls().cboNimestik->currentText(), u"A l e v i d"_s);
    QCOMPARE(window->controls().cboPiirkond->currentText(), u"    >A l e v i d<"_s);
    QCOMPARE(window->controls().cboPiirkond->count(), 9);

    // The place list starts with no line chosen either.
    QTest::keyClick(window->controls().cboPiirkond, Qt::Key_Down);
    QCOMPARE(window->controls().cboPiirkond->currentText(), u"Aegviidu"_s);
    QCOMPARE(placeFieldTexts(), QStringList({u"59"_s, u"17"_s, u"20"_s, u"25"_s, u"36"_s, u"20"_s, u"70"_s}));
}

void TestPlaceLists::pickPlace_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("yearBefore");
    QTest::addColumn<QString>("yearAfter");
    QTest::addColumn<QStringList>("fields");

    const QString thisYear = QString::number(QDate::currentDate().year());
    const QStringList kesklinn{u"59"_s, u"26"_s, u"00"_s, u"24"_s, u"44"_s, u"45"_s, u"6"_s};
    QTest::newRow("-- Kesklinn, year empty: this year")
        << u"L i n n a d"_s << u"-- Kesklinn"_s << QString() << thisYear << kesklinn;
    QTest::newRow("-- Kesklinn, year present: kept")
        << u"L i n n a d"_s << u"-- Kesklinn"_s << u"1999"_s << u"1999"_s << kesklinn;
    QTest::newRow("Haanja v., three-digit height")
        << u"Võrumaa"_s << u"Haanja v."_s << u"2003"_s << u"2003"_s
        << QStringList({u"57"_s, u"43"_s, u"08"_s, u"27"_s, u"03"_s, u"10"_s, u"290"_s});
    QTest::newRow("Tiheda, a second name in brackets")
        << u"Jõgevamaa"_s << u"Tiheda (Kasepää [Raja] v.)"_s << u"2003"_s << u"2003"_s
        << QStringList({u"58"_s, u"47"_s, u"40"_s, u"26"_s, u"57"_s, u"31"_s, u"35"_s});
}

void TestPlaceLists::pickPlace()
{
    QFETCH(QString, region);
    QFETCH(QString, place);
    QFETCH(QString, yearBefore);
    QFETCH(QString, yearAfter);
    QFETCH(QStringList, fields);

    window->controls().txtAasta->setText(yearBefore);
    QVERIFY(pick(window->controls().cboNimestik, region));
    QVERIFY(pick(window->controls().cboPiirkond, place));

    QCOMPARE(placeFieldTexts(), fields);
    QCOMPARE(window->controls().txtAasta->text(), yearAfter);
    QTRY_COMPARE(QApplication::focusWidget(), window->controls().txtPäev);
    QCOMPARE(window->controls().cboPiirkond->currentText(), place);
    // Day and month are still to be typed.
    QVERIFY(!window->controls().cmdArvuta->isEnabled());
}

void TestPlaceLists::pickTownHeading()
{
    QVERIFY(pick(window->controls().cboNimestik, u"L i n n a d"_s));
    QVERIFY(pick(window->controls().cboPiirkond, u"-- Ülejõe"_s));
    QCOMPARE(placeFieldTexts().first(), u"58"_s);
    const QString year = window->controls().txtAasta->text();

    const int beepsBefore = beepCount();
    bool noticeSeen = false;
    QTimer::singleShot(0, this, [&] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        auto guard = qScopeGuard([dlg] {
            if (dlg->isVisible())
                dlg->reject();
        });
        QCOMPARE(dlg->objectName(), u"frmViga"_s);
        QCOMPARE(dlg->windowTitle(), u"Tähelepanu"_s);
        QCOMPARE(dlg->findChild<QLabel *>(u"lblEsimene"_s)->text(), u"Vali alltoodud linnaosade hulgast"_s);
        QCOMPARE(dlg->findChild<QLabel *>(u"lblTeine"_s)->text(), QString());
        QCOMPARE(dlg->findChild<QLabel *>(u"lblKolmas"_s)->text(), QString());
        // The fields are emptied only once the notice is closed.
        QCOMPARE(window->controls().txtLaiusKraad->text(), u"58"_s);
        QCOMPARE(beepCount(), beepsBefore + 1);
        noticeSeen = true;
        QApplication::setActiveWindow(dlg);
        QTest::keyClick(dlg, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!dlg->isVisible());
        guard.dismiss();
    });
    QVERIFY(
        pick(window->controls().cboPiirkond, u"P ä r n u  {1318} :"_s));  // returns once the notice is closed

    QVERIFY(noticeSeen);
    QCOMPARE(beepCount(), beepsBefore + 1);
    QCOMPARE(window->controls().cboPiirkond->currentText(), QString());
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));
    QCOMPARE(window->controls().cboPiirkond->count(), 62);
    QCOMPARE(window->controls().txtAasta->text(), year);

    tabAwayFrom(window->controls().cboPiirkond);
    QCOMPARE(window->controls().cboPiirkond->currentText(), u"    >L i n n a d<"_s);
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));
}

void TestPlaceLists::pickSeparatorThenTabAway()
{
    QVERIFY(pick(window->controls().cboNimestik, u"Hiiumaa"_s));
    QVERIFY(pick(window->controls().cboPiirkond, u"Käina v."_s));
    QCOMPARE(window->controls().txtKõrgus->text(), u"4"_s);

    QVERIFY(pick(window->controls().cboNimestik, QString()));
    QVERIFY(!window->controls().cboPiirkond->isEnabled());
    QCOMPARE(window->controls().cboPiirkond->count(), 0);
    QCOMPARE(window->controls().cboPiirkond->currentText(), kSeparatorHeading);
    QCOMPARE(window->controls().cboPiirkond->toolTip(), u" Vali asula koordinaatidega "_s);  // left as it was
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));

    tabAwayFrom(window->controls().cboNimestik);
    QCOMPARE(window->controls().cboNimestik->currentText(), kRegionPrompt);
    QCOMPARE(window->controls().cboPiirkond->currentText(), QString());
    QVERIFY(!window->controls().cboPiirkond->isEnabled());
    QCOMPARE(window->controls().cboNimestik->count(), 18);
}

void TestPlaceLists::sameRegionTwice()
{
    QVERIFY(pick(window->controls().cboNimestik, u"Harjumaa"_s));
    QVERIFY(pick(window->controls().cboNimestik, u"Harjumaa"_s));
    QCOMPARE(window->controls().cboPiirkond->count(), 13);
    QCOMPARE(window->controls().cboPiirkond->itemText(0), u"Ardu (Kõue v.)"_s);
    QCOMPARE(window->controls().cboPiirkond->itemText(12), u"Vasalemma v."_s);

    QVERIFY(pick(window->controls().cboNimestik, u"Hiiumaa"_s));
    QVERIFY(pick(window->controls().cboNimestik, u"Harjumaa"_s));
    QCOMPARE(window->controls().cboPiirkond->count(), 13);
    QCOMPARE(window->controls().cboNimestik->count(), 18);
}

void TestPlaceLists::placeTextOnLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("deleted by hand: heading back") << QString() << u"    >Hiiumaa<"_s;
    QTest::newRow("other text kept") << u"Tallinn"_s << u"Tallinn"_s;
    QTest::newRow("start of a line kept as typed") << u"He"_s << u"He"_s;
}

void TestPlaceLists::placeTextOnLeaving()
{
    QFETCH(QString, typed);
    QFETCH(QString, afterLeaving);

    QVERIFY(pick(window->controls().cboNimestik, u"Hiiumaa"_s));
    QLineEdit *edit = window->controls().cboPiirkond->lineEdit();
    window->controls().cboPiirkond->setFocus();
    QTRY_VERIFY(window->controls().cboPiirkond->hasFocus());
    edit->selectAll();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(window->controls().cboPiirkond->currentText(), QString());
    QTest::keyClicks(QApplication::focusWidget(), typed);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(!window->controls().cboPiirkond->hasFocus());
    QCOMPARE(window->controls().cboPiirkond->currentText(), afterLeaving);
    // Typing is no pick: nothing is filled.
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));
    QCOMPARE(window->controls().cboPiirkond->count(), 4);
}

void TestPlaceLists::typedLineAndEnterIsNoPick()
{
    QVERIFY(pick(window->controls().cboNimestik, u"Hiiumaa"_s));
    window->controls().cboPiirkond->setFocus();
    QTRY_VERIFY(window->controls().cboPiirkond->hasFocus());
    window->controls().cboPiirkond->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "Emmaste v.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(window->controls().cboPiirkond->currentText(), u"Emmaste v."_s);
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));
    QVERIFY(window->controls().txtAasta->text().isEmpty());
}

void TestPlaceLists::typedLineAndTabIsNoPick()
{
    QVERIFY(pick(window->controls().cboNimestik, u"Hiiumaa"_s));
    window->controls().cboPiirkond->setFocus();
    QTRY_VERIFY(window->controls().cboPiirkond->hasFocus());
    window->controls().cboPiirkond->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "Emmaste v.");
    tabAwayFrom(window->controls().cboPiirkond);
    QCOMPARE(window->controls().cboPiirkond->currentText(), u"Emmaste v."_s);
    QCOMPARE(placeFieldTexts(), QStringList(7, QString()));
    QVERIFY(window->controls().txtAasta->text().isEmpty());
}

QTEST_MAIN(TestPlaceLists)
#include "tst_place_lists.moc"
