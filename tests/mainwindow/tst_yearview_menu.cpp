// SPDX-License-Identifier: GPL-3.0-or-later
// The results frame's context menu and F2: the year overview opens only while
// results are shown, names the place, and the results are copied as text.
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>

#include "tests/mainwindow/window_fixture.h"

using namespace Qt::StringLiterals;

class TestYearViewMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nothingBeforeAComputation();
    void menuAndKeyOpenOneOverview();
    void placePickedFromTheGazetteer();
    void copiedResults();
    void closesWithTheMainWindow();
    void menuKeysOpenTheMenu_data();
    void menuKeysOpenTheMenu();
    void yearBeyondThePreciseRange();

private:
    void calculate(const QStringList &texts);
    QWidget *overview() const;
    void openMenu();
    std::unique_ptr<frmProge> window;
};

void TestYearViewMenu::init() { window = showWindow(); }

void TestYearViewMenu::cleanup()
{
    window->controls().mnuTulem->hide();
    window.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(u"left open: "_s + w->objectName()));
}

void TestYearViewMenu::calculate(const QStringList &texts)
{
    const QList<QLineEdit *> fields = window->inputFields();
    for (qsizetype i = 0; i < texts.size(); ++i)
        fields[i]->setText(texts[i]);
    QVERIFY(window->controls().cmdArvuta->isEnabled());
    window->controls().cmdArvuta->click();
    QVERIFY(window->runState().ResultsShown);
}

QWidget *TestYearViewMenu::overview() const
{
    return window->findChild<QWidget *>(u"frmAasta"_s, Qt::FindDirectChildrenOnly);
}

void TestYearViewMenu::openMenu()
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            window->controls().fraTulem->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(window->controls().fraTulem, &event);
    QTRY_VERIFY_WITH_TIMEOUT(window->controls().mnuTulem->isVisible(), 5000);
}

void TestYearViewMenu::nothingBeforeAComputation()
{
    openMenu();
    QCOMPARE(window->controls().mnuAastaÜlevaade->text(), u"Aasta ülevaade..."_s);
    QCOMPARE(window->controls().mnuKopeeri->text(), u"Kopeeri tulemused"_s);
    QCOMPARE(window->controls().mnuAastaÜlevaade->shortcut(), QKeySequence(Qt::Key_F2));
    QVERIFY(!window->controls().mnuAastaÜlevaade->isEnabled());
    QVERIFY(!window->controls().mnuKopeeri->isEnabled());
    window->controls().mnuTulem->hide();

    QGuiApplication::clipboard()->setText(u"unchanged"_s);
    window->controls().txtPäev->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F2);
    QCOMPARE(overview(), nullptr);
    window->CopyResults();
    QCOMPARE(QGuiApplication::clipboard()->text(), u"unchanged"_s);
    // F2 typed nothing into the field.
    QCOMPARE(window->controls().txtPäev->text(), QString());
}

void TestYearViewMenu::menuAndKeyOpenOneOverview()
{
    calculate({u"21"_s, u"06"_s, u"2003"_s, u"59"_s, u"26"_s, u"13"_s, u"24"_s, u"44"_s, u"42"_s, u"30"_s});
    openMenu();
    QVERIFY(window->controls().mnuAastaÜlevaade->isEnabled());
    QVERIFY(window->controls().mnuKopeeri->isEnabled());
    window->controls().mnuAastaÜlevaade->trigger();
    window->controls().mnuTulem->hide();
    QWidget *first = overview();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), u"Aasta ülevaade: 59° 26' 13'' p.l., 24° 44' 42'' i.p., 2003"_s);
    QVERIFY(!first->isModal());

    first->close();
    QTest::keyClick(window.get(), Qt::Key_F2);
    QCOMPARE(overview(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(window->findChildren<QWidget *>(u"frmAasta"_s).size(), 1);

    // Clear ends the results: F2 does nothing more.
    first->close();
    window->controls().cmdTühjenda->click();
    QTest::keyClick(window.get(), Qt::Key_F2);
    QVERIFY(!first->isVisible());
}

void TestYearViewMenu::placePickedFromTheGazetteer()
{
    window->controls().txtAasta->setText(u"2026"_s);
    auto pick = [](QComboBox *combo, const QString &line) {
        const int index = combo->findText(line, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(line));
        combo->setFocus();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    };
    pick(window->controls().cboNimestik, u"L i n n a d"_s);
    pick(window->controls().cboPiirkond, u"-- Kesklinn"_s);
    window->controls().txtPäev->setText(u"21"_s);
    window->controls().txtKuu->setText(u"06"_s);
    QCOMPARE(window->controls().txtAasta->text(), u"2026"_s);
    QVERIFY(window->controls().cmdArvuta->isEnabled());
    window->controls().cmdArvuta->click();
    QTest::keyClick(window.get(), Qt::Key_F2);
    QVERIFY(overview());
    QCOMPARE(overview()->windowTitle(), u"Aasta ülevaade: Tallinn, Kesklinn, 2026"_s);
    QVERIFY(QGuiApplication::clipboard());
    window->CopyResults();
    QVERIFY(QGuiApplication::clipboard()->text().contains(u"\nKoht: Tallinn, Kesklinn\n"_s));
}

void TestYearViewMenu::copiedResults()
{
    calculate({u"21"_s, u"06"_s, u"2003"_s, u"59"_s, u"26"_s, u"13"_s, u"24"_s, u"44"_s, u"42"_s, u"30"_s});
    openMenu();
    window->controls().mnuKopeeri->trigger();
    window->controls().mnuTulem->hide();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.value(0), u"Kuupäev: 21.06.2003"_s);
    QCOMPARE(lines.value(1), u"Geogr. laius: 59° 26' 13''"_s);
    QCOMPARE(lines.value(2), u"Geogr. pikkus: 24° 44' 42''"_s);
    QCOMPARE(lines.value(3), u"Vaatluskõrgus: 30 m"_s);
    QCOMPARE(lines.value(4), u"Sesoon: suveaeg"_s);
    QCOMPARE(lines.value(5), u"Nädalapäev: laup."_s);
    QCOMPARE(lines.value(6), u"Päeva / Nädala Nr. aastas: 172 / 25"_s);
    QVERIFY(lines.contains(u"Päike tõuseb / loojub kell (GMT +2): 03:59:53 / 22:43:53"_s));
    QVERIFY(lines.contains(u"Aeg päikesetõusust keskpäevani: "_s
                           + window->controls().lblPäiTõu_st_KeskP_ni->text().trimmed()));
    QCOMPARE(lines.last(), QString());  // every line ends with a line break
    for (const QString &line : lines.mid(0, lines.size() - 1))
        QVERIFY2(line.contains(u": "_s) && !line.endsWith(u": "_s), qPrintable(line));
}

void TestYearViewMenu::closesWithTheMainWindow()
{
    calculate({u"21"_s, u"12"_s, u"2026"_s, u"69"_s, u"39"_s, u"00"_s, u"18"_s, u"57"_s, u"00"_s, u"0"_s});
    window->OpenYearOverview();
    QWidget *w = overview();
    QVERIFY(w && w->isVisible());
    window->close();
    QVERIFY(!w->isVisible());
}

void TestYearViewMenu::menuKeysOpenTheMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("the menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

void TestYearViewMenu::menuKeysOpenTheMenu()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    calculate({u"21"_s, u"06"_s, u"2003"_s, u"59"_s, u"26"_s, u"13"_s, u"24"_s, u"44"_s, u"42"_s, u"30"_s});
    QTest::keyClick(focused(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY_WITH_TIMEOUT(window->controls().mnuTulem->isVisible(), 5000);
    QVERIFY(window->controls().mnuKopeeri->isEnabled());
    window->controls().mnuTulem->hide();
}

void TestYearViewMenu::yearBeyondThePreciseRange()
{
    calculate({u"21"_s, u"06"_s, u"3500"_s, u"59"_s, u"26"_s, u"13"_s, u"24"_s, u"44"_s, u"42"_s, u"30"_s});
    NoticeRecorder recorder;
    QTest::keyClick(window.get(), Qt::Key_F2);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.notices.size(), 1, 5000);
    QCOMPARE(recorder.notices.first(),
             (RecordedNotice{
                 u"Aasta ülevaade"_s, u"Aasta ülevaade on olemas aastate 1900–3000 kohta."_s, {}, {}}));
    QCOMPARE(overview(), nullptr);
}

QTEST_MAIN(TestYearViewMenu)
#include "tst_yearview_menu.moc"
