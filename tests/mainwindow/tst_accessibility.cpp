// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the main window, asked through QAccessible
// as a reader asks: names of every kind of control, the hint of an input as its
// description as it changes, and the result values announced with their meaning.
#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QRadioButton>

#include "mainwindow/accessible_text.h"
#include "shell/frmAbout.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

QString spoken(QWidget *w, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(t) : u"(no interface)"_s;
}

QStringList childNames(QWidget *w)
{
    QStringList names;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    for (int i = 0; i < iface->childCount(); ++i)
        names << iface->child(i)->object()->objectName();
    return names;
}

// Opens the About dialog with `open`, and tells whether it came.
template<class Open>
bool aboutOpensWith(QObject *context, Open open)
{
    bool opened = false;
    QTimer::singleShot(50, context, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        opened = about != nullptr;
        if (about)
            about->cmdOK->click();
    });
    open();
    const bool closed = QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 2000);
    return opened && closed;
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
            {"fraTõus", "Tõus"},
            {"fraLoojang", "Loojang"},
            {"Label8", "kraadi"},
            {"Label12", "minutit"},
            {"Label13", "sekundit"},
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
        QCOMPARE(spoken(w->controls().cboNimestik, QAccessible::Value),
                 w->controls().cboNimestik->currentText());
        w->controls().cboNimestik->setCurrentIndex(4);
        emit w->controls().cboNimestik->activated(4);
        QCOMPARE(spoken(w->controls().cboNimestik), u"Piirkond"_s);
        QCOMPARE(spoken(w->controls().cboNimestik, QAccessible::Value),
                 w->controls().cboNimestik->currentText());
        QCOMPARE(spoken(w->controls().cboPiirkond), u"Koht"_s);
        QCOMPARE(spoken(w->controls().cboPiirkond, QAccessible::Description),
                 w->controls().cboPiirkond->toolTip());
        QCOMPARE(QAccessible::queryAccessibleInterface(w->controls().cboPiirkond)->role(),
                 QAccessible::ComboBox);
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
        w->controls().cmdArvuta->click();
        QVERIFY(w->runState().ResultsShown);
        const std::pair<QLabel *, QString> expected[] = {
            {w->controls().lblPäiTõuKell, u"Päike tõuseb kell 03:59:53"_s},
            {w->controls().lblPäiLooKell, u"Päike loojub kell 22:43:53"_s},
            {w->controls().lblPäev_Nädal, u"Päeva / nädala number aastas 172 / 25"_s},
            {w->controls().lblNurkD_Tõ, u"Tõus: Päikese kaldenurk 23° 24' 25''"_s},
            {w->controls().lblPäiHorKoh_Tõ,
             u"Tõus: Päikese kõrgus horisondi kohal keskpäeval 53° 58' 12''"_s},
            {w->controls().lblKohKeskP_Tõ, u"Tõus: kohalik keskpäev kell 13:21:46"_s},
            {w->controls().lblPäiTõu_st_KeskP_ni, u"Aeg päikesetõusust keskpäevani 9h 21m 53s"_s},
            {w->controls().lblKeskP_st_PäiLoo_ni, u"Aeg keskpäevast päikeseloojanguni 9h 22m 1s"_s},
            {w->controls().lblTühi_Lo, QString()},
        };
        for (const auto &[label, name] : expected)
            QCOMPARE(spoken(label), name);
        // Every value is announced with its meaning before it.
        const MainWindowControls &c = w->controls();
        for (QLabel *label : {c.lblNurkA_Tõ, c.lblNurkB_Lo, c.lblNurkC_Tõ, c.lblNurkE_Lo, c.lblPöörlemiskiir,
                              c.lblRaskuskiir}) {
            const QString name = spoken(label);
            QVERIFY2(name.endsWith(u' ' + label->text().trimmed()) && name.size() > label->text().size() + 5,
                     qPrintable(label->objectName() + u": "_s + name));
        }
        QCOMPARE(spoken(w->controls().lblPäiTõuKell, QAccessible::Value), u"03:59:53"_s);

        // The season switch rewrites the clock labels: the name follows.
        QTest::mouseClick(w->controls().optTalveaeg, Qt::LeftButton);
        QCOMPARE(w->controls().lblPäiTõuKell->text(), u"02:59:53"_s);
        QCOMPARE(spoken(w->controls().lblPäiTõuKell), u"Päike tõuseb kell 02:59:53"_s);

        // Clear empties the values: only the meaning is left.
        w->controls().cmdTühjenda->click();
        QCOMPARE(spoken(w->controls().lblPäiLooKell), u"Päike loojub kell"_s);
    }

    void polarTextAnnounced()
    {
        fillTallinn();
        w->controls().txtLaiusKraad->setText(u"80"_s);  // midsummer at 80° N: the Sun does not set
        w->controls().cmdArvuta->click();
        QVERIFY(w->runState().ResultsShown);
        QCOMPARE(spoken(w->controls().lblPäiTõuKell), u"Päikesetõus: polaarpäev"_s);
        QCOMPARE(spoken(w->controls().lblPäiLooKell), u"Päikeseloojang: polaarpäev"_s);
    }

    void fieldTextAtEveryOffset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("two digits") << u"20"_s;
        QTest::newRow("a year") << u"2003"_s;
        QTest::newRow("one digit") << u"5"_s;
        QTest::newRow("empty") << QString();
    }
    void fieldTextAtEveryOffset()
    {
        QFETCH(QString, text);
        w->controls().txtAasta->setText(text);
        QAccessibleTextInterface *t
            = QAccessible::queryAccessibleInterface(w->controls().txtAasta)->textInterface();
        QVERIFY(t);
        QCOMPARE(t->characterCount(), text.size());
        const QAccessible::TextBoundaryType boundaries[]
            = {QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
               QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
        for (int offset = 0; offset <= text.size(); ++offset) {
            for (auto boundary : boundaries) {
                int start = -1, end = -1;
                // Before and after: within the text, and the text between the offsets.
                const QString before = t->textBeforeOffset(offset, boundary, &start, &end);
                QVERIFY(0 <= start && start <= end && end <= text.size());
                QCOMPARE(before, text.mid(start, end - start));
                const QString after = t->textAfterOffset(offset, boundary, &start, &end);
                QVERIFY(0 <= start && start <= end && end <= text.size());
                QCOMPARE(after, text.mid(start, end - start));
                const QString at = t->textAtOffset(offset, boundary, &start, &end);
                QVERIFY2(0 <= start && start <= end && end <= text.size(),
                         qPrintable(QString::number(offset)));
                QCOMPARE(at, text.mid(start, end - start));
            }
            // The word at the end of a filled field is its last word, as Ctrl+Right leaves it.
            int start = -1, end = -1;
            if (offset == text.size() && !text.isEmpty())
                QCOMPARE(t->textAtOffset(offset, QAccessible::WordBoundary, &start, &end), text);
            if (offset < text.size()) {
                t->attributes(offset, &start, &end);
                QVERIFY(start <= offset && offset < end);
            }
        }
    }

    // The window's text interface answers for its own fields only; any other
    // line edit of the process, a file dialog's among them, keeps the toolkit's.
    void otherFieldsKeepTheToolkitsInterface()
    {
        const auto ours = [](QLineEdit *edit) {
            return isLineEditAccessible(QAccessible::queryAccessibleInterface(edit));
        };
        QVERIFY(ours(w->controls().txtPäev));
        QVERIFY(ours(w->controls().txtKõrgus));
        QVERIFY(ours(w->controls().cboPiirkond->lineEdit()));
        QLineEdit bare;
        QVERIFY(!ours(&bare));
        QFileDialog dialog(w.get());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QList<QLineEdit *> dialogFields = dialog.findChildren<QLineEdit *>();
        QVERIFY(!dialogFields.isEmpty());
        for (QLineEdit *field : dialogFields)
            QVERIFY2(!ours(field), qPrintable(field->objectName()));
    }

    void decorativePicturesLeftOut()
    {
        const QStringList before = childNames(w->controls().fraTulem);
        QVERIFY(!before.contains(u"lblNurkB"_s));
        QVERIFY(!before.contains(u"lblMaaPöörKiir"_s));
        QVERIFY(!before.contains(u"lblPäikTõusLoojKell"_s));
        QVERIFY(before.contains(u"fraTõus"_s));
        QVERIFY(before.contains(u"cmdVälju"_s));
        fillTallinn();
        w->controls().cmdArvuta->click();
        const QStringList after = childNames(w->controls().fraTulem);
        QVERIFY(after.contains(u"lblNurkB"_s));
        QVERIFY(after.contains(u"lblPäikTõusLoojKell"_s));
        auto *frame = QAccessible::queryAccessibleInterface(w->controls().fraTulem);
        for (int i = 0; i < frame->childCount(); ++i)
            QCOMPARE(frame->indexOfChild(frame->child(i)), i);
    }

    void wordsWhereLettersAreSpaced()
    {
        QCOMPARE(spoken(w->controls().cboNimestik, QAccessible::Description),
                 u"Vali Alevid / Linnad või maakond"_s);
        QCOMPARE(w->controls().cboNimestik->itemData(0, Qt::AccessibleTextRole).toString(), u"Alevid"_s);
        QCOMPARE(w->controls().cboNimestik->itemData(1, Qt::AccessibleTextRole).toString(), u"Linnad"_s);
        QCOMPARE(w->controls().cboNimestik->itemData(2, Qt::AccessibleTextRole).toString(), u"Eraldusjoon"_s);
        // "Harjumaa" as it is.
        QVERIFY(!w->controls().cboNimestik->itemData(3, Qt::AccessibleTextRole).isValid());
        // The town headings of the place list, filled when the towns are picked.
        w->controls().cboNimestik->setCurrentIndex(1);
        emit w->controls().cboNimestik->activated(1);
        const int tallinn = w->controls().cboPiirkond->findText(u"T a l l i n n  {1248} :"_s);
        QVERIFY(tallinn >= 0);
        QCOMPARE(w->controls().cboPiirkond->itemData(tallinn, Qt::AccessibleTextRole).toString(),
                 u"Tallinn {1248} :"_s);
    }

    void seasonOptionsDescribedByTheirOwnMeaning()
    {
        fillTallinn();
        w->controls().cmdArvuta->click();
        QCOMPARE(w->controls().optSuveaeg->toolTip(), u" Suveaeg "_s);
        QCOMPARE(spoken(w->controls().optTalveaeg, QAccessible::Description),
                 u"Kellaajad talveajas, GMT +2"_s);
    }

    void calculateSaysSunriseAndSunsetOnClear()
    {
        fillTallinn();
        w->controls().cmdArvuta->click();
        QCOMPARE(QApplication::focusWidget(), w->controls().cmdTühjenda);
        const QString said = spoken(w->controls().cmdTühjenda, QAccessible::Description);
        QCOMPARE(said, u"Päike tõuseb kell 03:59:53, päike loojub kell 22:43:53. Kustuta tulemus"_s);
        // Cleared, Clear says only what it does.
        w->controls().cmdTühjenda->click();
        QCOMPARE(spoken(w->controls().cmdTühjenda, QAccessible::Description), u" Kustuta tulemus "_s);
    }

    void seasonSwitchAnnounced()
    {
        fillTallinn();
        QTest::keyClick(w->controls().txtKõrgus, Qt::Key_Return);  // Calculate as a keyboard user does
        QTRY_VERIFY(w->runState().ResultsShown);
        // The option selected says the times it shows; the other only what it is.
        QCOMPARE(spoken(w->controls().optSuveaeg, QAccessible::Description),
                 u"Kellaajad suveajas, GMT +3. Päike tõuseb kell 03:59:53, päike loojub kell 22:43:53"_s);
        QCOMPARE(spoken(w->controls().optTalveaeg, QAccessible::Description),
                 u"Kellaajad talveajas, GMT +2"_s);
        // Arrow keys switch as a screen-reader user does: the new times are
        // described by the time the focus is on the option.
        w->controls().optSuveaeg->setFocus();
        QString describedOnFocus;
        auto spy = connect(qApp, &QApplication::focusChanged, this, [&](QWidget *, QWidget *now) {
            if (now == w->controls().optTalveaeg)
                describedOnFocus = spoken(w->controls().optTalveaeg, QAccessible::Description);
        });
        QTest::keyClick(w->controls().optSuveaeg, Qt::Key_Right);
        disconnect(spy);
        QVERIFY(w->controls().optTalveaeg->isChecked());
        const QString winter
            = u"Kellaajad talveajas, GMT +2. Päike tõuseb kell 02:59:53, päike loojub kell 21:43:53"_s;
        QCOMPARE(describedOnFocus, winter);
        QCOMPARE(spoken(w->controls().optTalveaeg, QAccessible::Description), winter);
        QCOMPARE(spoken(w->controls().optSuveaeg, QAccessible::Description), u"Kellaajad suveajas, GMT +3"_s);
        // Cleared, the options say only what they are.
        w->controls().cmdTühjenda->click();
        QCOMPARE(spoken(w->controls().optTalveaeg, QAccessible::Description),
                 u"Kellaajad talveajas, GMT +2"_s);
    }

    void placePickAnnounced()
    {
        w->controls().cboNimestik->setCurrentIndex(0);
        emit w->controls().cboNimestik->activated(0);
        QString describedOnFocus;
        auto spy = connect(qApp, &QApplication::focusChanged, this, [&](QWidget *, QWidget *now) {
            if (now == w->controls().txtPäev)
                describedOnFocus = spoken(w->controls().txtPäev, QAccessible::Description);
        });
        w->controls().cboPiirkond->setFocus();
        QTest::keyClick(w->controls().cboPiirkond, Qt::Key_Down);  // a pick: the first place
        disconnect(spy);
        QVERIFY(!w->controls().txtKõrgus->text().isEmpty());
        QVERIFY(w->controls().txtPäev->hasFocus());
        QCOMPARE(describedOnFocus,
                 u"Koordinaadid ja kõrgus täidetud: "_s + w->controls().cboPiirkond->currentText()
                     + u". Sisesta päev"_s);
        // Once left, the day field says its hint again.
        w->controls().txtKuu->setFocus();
        QCOMPARE(spoken(w->controls().txtPäev, QAccessible::Description), u" Sisesta päev "_s);
    }

    void clearFocusesTheDayBeforeItsTextGoes()
    {
        // A screen reader told of the text changes first would take the field
        // as already known and not say where the user is.
        fillTallinn();
        w->controls().cmdArvuta->click();
        QStringList order;
        auto spy = connect(w->controls().txtPäev, &QLineEdit::textChanged, this, [&] {
            order << (w->controls().txtPäev->hasFocus() ? u"text, focused"_s : u"text"_s);
        });
        w->controls().cmdTühjenda->click();
        disconnect(spy);
        QCOMPARE(order, QStringList{u"text, focused"_s});
        QCOMPARE(w->controls().txtPäev->text(), QString());
        QVERIFY(w->controls().txtPäev->hasFocus());
    }

    void aboutWithoutTheMouse()
    {
        // F1, in a field and on a button; and the picture's press action.
        QVERIFY(aboutOpensWith(this, [&] { QTest::keyClick(w->controls().txtPäev, Qt::Key_F1); }));
        QCOMPARE(w->controls().txtPäev->text(), QString());  // F1 types nothing
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(w->controls().imgAbout);
        QAccessibleActionInterface *actions = picture->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{u"F1"_s});
        // The press answers at once; the dialog opens after.
        QVERIFY(aboutOpensWith(this, [&] {
            actions->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY(QApplication::activeModalWidget() == nullptr);
            QTest::qWait(100);
        }));
    }

    void clockPictures()
    {
        w->tmrAeg_Timer();
        QVERIFY(!w->controls().picKell->text().isEmpty());
        QCOMPARE(spoken(w->controls().picKell), u"Kell "_s + w->controls().picKell->text());
        QCOMPARE(spoken(w->controls().picJuuliusePäev),
                 u"Juuliuse päev "_s + w->controls().picJuuliusePäev->text());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
