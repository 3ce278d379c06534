// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the main window, asked through QAccessible
// as a reader asks: names of every kind of control, the hint of an input as its
// description as it changes, and the result values announced with their meaning.
#include <QAccessible>
#include <QComboBox>
#include <QRadioButton>

#include "window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

QString spoken(QWidget *w, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(t) : u"(no interface)"_s;
}

}  // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmProge> w;
    std::unique_ptr<NoticeRecorder> recorder;

    void fillTallinn()
    {
        // 21 June 2003, Tallinn: 59° 26' 13'' N, 24° 44' 42'' E, 30 m.
        const char *texts[] = {"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"};
        const auto fields = w->inputFields();
        for (int i = 0; i < 10; ++i)
            fields[i]->setText(QString::fromUtf8(texts[i]));
    }

private slots:
    void init() { openSession(w, recorder); }
    void cleanup() { QVERIFY(closeSession(w, recorder)); }

    void names_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const char *rows[][2] = {
            {"txtPäev", "Päev"},
            {"txtKuu", "Kuu"},
            {"txtAasta", "Aasta"},
            {"txtLaiusKraad", "Laiuskraad"},
            {"txtLaiusMinut", "Laiusminut"},
            {"txtLaiusSekund", "Laiussekund"},
            {"txtPikkusKraad", "Pikkuskraad"},
            {"txtPikkusMinut", "Pikkusminut"},
            {"txtPikkusSekund", "Pikkussekund"},
            {"txtKõrgus", "Kõrgus merepinnast meetrites"},
            {"cmdArvuta", "Arvuta"},
            {"cmdTühjenda", "Tühjenda"},
            {"cmdVälju", "Välju"},
            {"cboNimestik", "Piirkond"},
            {"cboPiirkond", "Koht"},
            {"optSuveaeg", "Suveaeg"},
            {"optTalveaeg", "Talveaeg"},
            {"imgAbout", "Programmist"},
            // Before the first computation a value label says only what it is.
            {"lblPäiTõuKell", "Päike tõuseb kell"},
            {"lblTühi_Tõ", ""},
        };
        for (const auto &[control, name] : rows)
            QTest::newRow(control) << QString::fromUtf8(control) << QString::fromUtf8(name);
    }
    void names()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto *widget = w->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(spoken(widget), name);
    }

    void listsNamedWithTheirTextAsValue()
    {
        // Qt would name an editable list after its text; the text is its value.
        QCOMPARE(spoken(w->cboNimestik, QAccessible::Value), w->cboNimestik->currentText());
        w->cboNimestik->setCurrentIndex(4);
        emit w->cboNimestik->activated(4);
        QCOMPARE(spoken(w->cboNimestik), u"Piirkond"_s);
        QCOMPARE(spoken(w->cboNimestik, QAccessible::Value), w->cboNimestik->currentText());
        QCOMPARE(spoken(w->cboPiirkond), u"Koht"_s);
        QCOMPARE(spoken(w->cboPiirkond, QAccessible::Description), w->cboPiirkond->toolTip());
        QCOMPARE(QAccessible::queryAccessibleInterface(w->cboPiirkond)->role(), QAccessible::ComboBox);
    }

    void everyControlIsNamed()
    {
        // Every control a user works with, and every value shown, has a name.
        for (QWidget *widget : w->findChildren<QWidget *>()) {
            const QString name = widget->objectName();
            const bool control = name.startsWith(u"txt"_s) || name.startsWith(u"cmd"_s)
                || name.startsWith(u"cbo"_s) || name.startsWith(u"opt"_s);
            if (control)
                QVERIFY2(!spoken(widget).isEmpty(), qPrintable(name));
        }
    }

    void hintIsTheDescription_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("emptyHint");
        QTest::addColumn<QString>("filledHint");
        QTest::newRow("day") << u"txtPäev"_s << u"1"_s << u" Sisesta päev "_s << u" Muuda päev "_s;
        QTest::newRow("year") << u"txtAasta"_s << u"20"_s << u" Sisesta aasta täispikkuses "_s
                              << u" Muuda aasta (täispikkuses) "_s;
        QTest::newRow("longitude degrees")
            << u"txtPikkusKraad"_s << u"-"_s << u" Sisesta geograafiline pikkus (kraad) "_s
            << u" Muuda geograafiline pikkus (kraad) "_s;
        QTest::newRow("height") << u"txtKõrgus"_s << u"30"_s << u" Sisesta kõrgus merepinnast meetrites "_s
                                << u" Muuda vaatluskõrgus "_s;
    }
    void hintIsTheDescription()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, emptyHint);
        QFETCH(QString, filledHint);
        auto *edit = w->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        QCOMPARE(spoken(edit, QAccessible::Description), emptyHint);

        typeInto(edit, typed.toUtf8().constData());
        QCOMPARE(edit->text(), typed);
        QCOMPARE(spoken(edit, QAccessible::Description), filledHint);

        for (int i = 0; i < typed.size(); ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(spoken(edit, QAccessible::Description), emptyHint);
    }

    void resultsAnnounced()
    {
        fillTallinn();
        w->cmdArvuta->click();
        QCOMPARE(w->ResultsShown, 1.0f);
        const std::pair<QLabel *, QString> expected[] = {
            {w->lblPäiTõuKell, u"Päike tõuseb kell 03:59:53"_s},
            {w->lblPäiLooKell, u"Päike loojub kell 22:43:53"_s},
            {w->lblPäev_Nädal, u"Päeva / nädala number aastas 172 / 25"_s},
            {w->lblNurkD_Tõ, u"Tõus: Päikese kaldenurk 23° 24' 25''"_s},
            {w->lblPäiHorKoh_Tõ, u"Tõus: Päikese kõrgus horisondi kohal keskpäeval 53° 58' 12''"_s},
            {w->lblKohKeskP_Tõ, u"Tõus: kohalik keskpäev kell 13:21:46"_s},
            {w->lblPäiTõu_st_KeskP_ni, u"Aeg päikesetõusust keskpäevani 9h 21m 53s"_s},
            {w->lblKeskP_st_PäiLoo_ni, u"Aeg keskpäevast päikeseloojanguni 9h 22m 1s"_s},
            {w->lblTühi_Lo, QString()},
        };
        for (const auto &[label, name] : expected)
            QCOMPARE(spoken(label), name);
        // Every value is announced with its meaning before it.
        for (QLabel *label : {w->lblNurkA_Tõ, w->lblNurkB_Lo, w->lblNurkC_Tõ, w->lblNurkE_Lo,
                              w->lblPöörlemiskiir, w->lblRaskuskiir}) {
            const QString name = spoken(label);
            QVERIFY2(name.endsWith(u' ' + label->text().trimmed()) && name.size() > label->text().size() + 5,
                     qPrintable(label->objectName() + u": "_s + name));
        }
        QCOMPARE(spoken(w->lblPäiTõuKell, QAccessible::Value), u"03:59:53"_s);

        // The season switch rewrites the clock labels: the name follows.
        QTest::mouseClick(w->optTalveaeg, Qt::LeftButton);
        QCOMPARE(w->lblPäiTõuKell->text(), u"02:59:53"_s);
        QCOMPARE(spoken(w->lblPäiTõuKell), u"Päike tõuseb kell 02:59:53"_s);

        // Clear empties the values: only the meaning is left.
        w->cmdTühjenda->click();
        QCOMPARE(spoken(w->lblPäiLooKell), u"Päike loojub kell"_s);
    }

    void polarTextAnnounced()
    {
        fillTallinn();
        w->txtLaiusKraad->setText(u"80"_s);  // midsummer at 80° N: the Sun does not set
        w->cmdArvuta->click();
        QCOMPARE(w->ResultsShown, 1.0f);
        QCOMPARE(spoken(w->lblPäiTõuKell), u"Päikesetõus: polaarpäev"_s);
        QCOMPARE(spoken(w->lblPäiLooKell), u"Päikeseloojang: polaarpäev"_s);
    }

    void clockPictures()
    {
        w->tmrAeg_Timer();
        QVERIFY(!w->picKell->text().isEmpty());
        QCOMPARE(spoken(w->picKell), u"Kell "_s + w->picKell->text());
        QCOMPARE(spoken(w->picJuuliusePäev), u"Juuliuse päev "_s + w->picJuuliusePäev->text());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
