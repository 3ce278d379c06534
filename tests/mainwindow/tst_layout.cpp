// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: a sample of every kind of row of the layout.
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

#include "shell/twips.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;

class TestLayout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmProge> w;

private slots:
    void init() { w = showWindow(); }
    void cleanup() { w.reset(); }

    void twipsBecomePixels()
    {
        QCOMPARE(twipsToPixels(15), 1);
        QCOMPARE(twipsToPixels(240), 16);
        QCOMPARE(twipsToPixels(375), 25);
        QCOMPARE(twipsToPixels(7), 0);
        QCOMPARE(twipsToPixels(8), 1);  // halves up
        QCOMPARE(w->size(), QSize(440, 433));
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("parent");
        // Left, Top, Width, Height in twips / 15, halves up.
        QTest::newRow("prompt label (sizes itself)") << u"Label1"_s << QRect(16, 16, -1, -1) << u"frmProge"_s;
        QTest::newRow("fixed unit label") << u"Label6"_s << QRect(192, 18, 17, 17) << u"frmProge"_s;
        QTest::newRow("day box") << u"txtPäev"_s << QRect(165, 16, 25, 21) << u"frmProge"_s;
        QTest::newRow("year box") << u"txtAasta"_s << QRect(274, 16, 36, 21) << u"frmProge"_s;
        QTest::newRow("season frame") << u"fraSesoon"_s << QRect(273, 64, 153, 43) << u"frmProge"_s;
        QTest::newRow("winter option") << u"optTalveaeg"_s << QRect(80, 18, 65, 17) << u"fraSesoon"_s;
        QTest::newRow("calculate") << u"cmdArvuta"_s << QRect(273, 120, 63, 33) << u"frmProge"_s;
        QTest::newRow("region list") << u"cboNimestik"_s << QRect(80, 112, 159, 23) << u"frmProge"_s;
        QTest::newRow("clock") << u"picKell"_s << QRect(331, 40, 100, 23) << u"frmProge"_s;
        QTest::newRow("About picture") << u"imgAbout"_s << QRect(16, 120, 32, 32) << u"frmProge"_s;
        QTest::newRow("results frame") << u"fraTulem"_s << QRect(0, 168, 441, 265) << u"frmProge"_s;
        QTest::newRow("exit") << u"cmdVälju"_s << QRect(296, 224, 113, 33) << u"fraTulem"_s;
        QTest::newRow("row caption") << u"lblNurkC"_s << QRect(8, 72, 257, 17) << u"fraTulem"_s;
        QTest::newRow("sunrise value, 240 twips higher")
            << u"lblNurkC_Tõ"_s << QRect(8, 56, 65, 17) << u"fraTõus"_s;
        QTest::newRow("sunset time") << u"lblPäiLooKell"_s << QRect(8, 176, 65, 17) << u"fraLoojang"_s;
        QTest::newRow("gravity") << u"lblRaskuskiir"_s << QRect(208, 232, 65, 17) << u"fraTulem"_s;
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QFETCH(QString, parent);
        auto *widget = w->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->pos(), pixels.topLeft());
        if (pixels.width() >= 0)
            QCOMPARE(widget->size(), pixels.size());
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("prompt") << u"Label4"_s << u"Sisesta vaatluskõrgus:"_s << QString();
        QTest::newRow("unit") << u"Label10"_s << u"''"_s << QString();
        QTest::newRow("day") << u"txtPäev"_s << QString() << u" Sisesta päev "_s;
        QTest::newRow("height") << u"txtKõrgus"_s << QString() << u" Sisesta kõrgus merepinnast meetrites "_s;
        QTest::newRow("summer") << u"optSuveaeg"_s << u"Suveaeg"_s << u" Vali suveaeg või talveaeg "_s;
        QTest::newRow("calculate") << u"cmdArvuta"_s << u"&Arvuta"_s << u" Arvuta tulemus "_s;
        QTest::newRow("clear") << u"cmdTühjenda"_s << u"&Tühjenda"_s << u" Kustuta tulemus "_s;
        QTest::newRow("exit") << u"cmdVälju"_s << u"V ä l j u"_s << u" Sulge programm "_s;
        QTest::newRow("About picture") << u"imgAbout"_s << QString() << u" Programmist... "_s;
        QTest::newRow("day/week pattern")
            << u"lblPäevNädaNr_Aastas"_s << u"¤¤¤¤¤¤¤¤¤¤¤¤¤           "_s << QString();
        QTest::newRow("framed picture")
            << u"lblPäikTõus_st_Keskpäev_ni"_s
            << u"**         ##      @        #             #    @       **        "_s << QString();
        QTest::newRow("wave") << u"lblMaaRaskKiir"_s << u"'         '  ,,  '         '  ,,  '         '"_s
                              << QString();
        QTest::newRow("empty value") << u"lblPäiTõuKell"_s << QString() << QString();
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        auto *widget = w->findChild<QWidget *>(name);
        QVERIFY(widget);
        QString shown;
        if (auto *l = qobject_cast<QLabel *>(widget))
            shown = l->pixmap().isNull() ? l->text() : QString();
        else if (auto *b = qobject_cast<QAbstractButton *>(widget))
            shown = b->text();
        else if (auto *e = qobject_cast<QLineEdit *>(widget))
            shown = e->text();
        QCOMPARE(shown, text);
        QCOMPARE(widget->toolTip(), toolTip);
    }

    void framesAndCombos()
    {
        QCOMPARE(w->controls().fraSesoon->title(), u"Sesoon :"_s);
        QCOMPARE(w->controls().fraTulem->title(), u"Sisesta andmed..."_s);
        QCOMPARE(w->controls().fraTõus->title(), u"Tõus:"_s);
        QCOMPARE(w->controls().fraLoojang->title(), u"Loojang:"_s);
        QCOMPARE(w->controls().cboNimestik->currentText(), u"         >Vali piirkond<"_s);
        QCOMPARE(w->controls().cboNimestik->toolTip(), u" Vali  A l e v i d / L i n n a d  või maakond "_s);
        QCOMPARE(w->controls().cboNimestik->count(), 18);  // the load step fills it
        QVERIFY(w->controls().cboNimestik->isEnabled());
        QVERIFY(!w->controls().cboPiirkond->isEnabled());
        QCOMPARE(w->controls().cboPiirkond->currentText(), QString());
    }

    void fontsColoursAndCursors()
    {
        const QColor navy(0, 0, 128), darkRed(192, 0, 0), lavender(192, 192, 255);
        QCOMPARE(w->palette().color(QPalette::Window), lavender);
        QCOMPARE(w->font().pointSizeF(), 18.0);
        QCOMPARE(w->controls().Label1->palette().color(QPalette::WindowText), navy);
        QCOMPARE(w->controls().Label1->font().pointSizeF(), 9.75);
        QCOMPARE(w->controls().txtPäev->font().pointSizeF(), 9.0);
        QCOMPARE(w->controls().txtPäev->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(w->controls().lblNurkA_Tõ->palette().color(QPalette::WindowText), navy);
        QCOMPARE(w->controls().lblNurkA_Tõ->font().pointSizeF(), 8.25);
        QCOMPARE(w->controls().lblPäiTõuKell->font().pointSizeF(), 9.0);
        QCOMPARE(w->controls().fraTulem->palette().color(QPalette::WindowText), darkRed);
        QCOMPARE(w->controls().picKell->palette().color(QPalette::WindowText), darkRed);
        QCOMPARE(w->controls().picJuuliusePäev->palette().color(QPalette::WindowText), navy);
        QCOMPARE(w->controls().cmdVälju->font().weight(), QFont::Bold);
        QCOMPARE(w->controls().fraTulem->font().capitalization(), QFont::SmallCaps);
        QCOMPARE(w->controls().lblNurkA->font().capitalization(),
                 QFont::MixedCase);  // not taken from the frame
        QCOMPARE(w->controls().lblNurkA_Tõ->font().capitalization(), QFont::MixedCase);
        QCOMPARE(w->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(w->controls().txtKuu->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(w->controls().imgAbout->cursor().shape(), Qt::WhatsThisCursor);
        QCOMPARE(w->controls().optTalveaeg->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w->controls().cmdArvuta->cursor().shape(), Qt::ArrowCursor);
    }

    void initialState()
    {
        const QList<std::pair<QLineEdit *, int>> maxLengths
            = {{w->controls().txtPäev, 2},        {w->controls().txtKuu, 2},
               {w->controls().txtAasta, 4},       {w->controls().txtLaiusKraad, 2},
               {w->controls().txtPikkusKraad, 2}, {w->controls().txtPikkusSekund, 2},
               {w->controls().txtKõrgus, 4}};
        for (const auto &[field, length] : maxLengths)
            QCOMPARE(field->maxLength(), length);
        for (QLineEdit *field : w->inputFields()) {
            QVERIFY(field->isEnabled());
            QVERIFY(field->text().isEmpty());
        }
        QVERIFY(w->controls().optSuveaeg->isChecked());
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        QVERIFY(!w->controls().cmdTühjenda->isEnabled());
        QVERIFY(w->controls().cmdVälju->isEnabled());
        QVERIFY(!w->controls().imgHelves->isVisible());
        QVERIFY(!w->controls().imgHelves->isEnabled());
        QVERIFY(w->controls().tmrAeg->isActive());
        QCOMPARE(w->controls().tmrAeg->interval(), 1000);
        QVERIFY(!w->runState().WinterTime);
        QVERIFY(!w->runState().ResultsShown);
    }

    void tabOrder()
    {
        w->controls().txtPäev->setFocus();
        const MainWindowControls &c = w->controls();
        const QList<QWidget *> expected
            = {c.txtKuu,         c.txtAasta,       c.txtLaiusKraad,   c.txtLaiusMinut, c.txtLaiusSekund,
               c.txtPikkusKraad, c.txtPikkusMinut, c.txtPikkusSekund, c.txtKõrgus,     c.optSuveaeg,
               c.cmdVälju,       c.cboNimestik,    c.txtPäev};
        // Empty fields stay empty when left; disabled buttons and the place list are skipped.
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void escapePressesExit()
    {
        int ended = 0;
        w->endProgram = [&ended](int code) { ended += code == 0; };
        QTest::keyClick(w->controls().cboNimestik, Qt::Key_Escape);
        QCOMPARE(ended, 1);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
