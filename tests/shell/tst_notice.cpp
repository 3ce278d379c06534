// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog and the notice helper.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include "shell/frmViga.h"
#include "shell/notice.h"

using namespace Qt::StringLiterals;

class tst_notice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void lines_data();
    void lines();
    void linesStartEmptyEachTime();
    void design();
    void closing_data();
    void closing();

private:
    // Runs `check` on the notice once it is open; a failed check still closes it.
    void whileOpen(std::function<void(frmViga *)> check);
    QPointer<frmViga> seen_;
    bool checked_ = false;
};

void tst_notice::whileOpen(std::function<void(frmViga *)> check)
{
    checked_ = false;
    QTimer::singleShot(0, this, [this, check] {
        auto *dlg = qobject_cast<frmViga *>(QApplication::activeModalWidget());
        seen_ = dlg;
        QVERIFY(dlg);
        auto guard = qScopeGuard([dlg] {
            if (dlg->isVisible())
                dlg->reject();
        });
        check(dlg);
        checked_ = true;
        if (QTest::currentTestFailed())
            return;
        guard.dismiss();
    });
}

void tst_notice::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmViga *>(w), "a message dialog was left behind");
}

void tst_notice::lines_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<QString>("line3");

    QTest::newRow("first line only") << u"Tähelepanu"_s << u"0-päeva ei ole olemas..."_s << QString()
                                     << QString();
    QTest::newRow("first and second line")
        << u"Viga sisestamisel"_s << u"Sisestatavad andmed peavad olema positiivsed täisarvud"_s
        << u"(v.a. geogr. pikkuskraad)"_s << QString();
    QTest::newRow("first and third line, second empty")
        << u"Vigane kuupäev"_s << u"Sisestatud kuupäev ei ole õige"_s << QString()
        << u"NB! Sisestatud aasta ei ole liigaasta"_s;
}

void tst_notice::lines()
{
    QFETCH(QString, title);
    QFETCH(QString, line1);
    QFETCH(QString, line2);
    QFETCH(QString, line3);

    QWidget owner;
    owner.show();
    const int beepsBefore = beepCount();
    whileOpen([&](frmViga *dlg) {
        QCOMPARE(dlg->windowTitle(), title);
        QCOMPARE(dlg->lblEsimene->text(), line1);
        QCOMPARE(dlg->lblTeine->text(), line2);
        QCOMPARE(dlg->lblKolmas->text(), line3);
        QCOMPARE(dlg->parentWidget(), &owner);
        QVERIFY(dlg->isModal());
        QCOMPARE(beepCount(), beepsBefore + 1);  // the beep comes before the dialog
        // The longest line fits on its label.
        QVERIFY(dlg->lblEsimene->sizeHint().width() <= dlg->lblEsimene->width());
        dlg->Command1->click();
    });
    ShowNotice(&owner, title, line1, line2, line3);
    QVERIFY(checked_);
    QCOMPARE(beepCount(), beepsBefore + 1);
}

void tst_notice::linesStartEmptyEachTime()
{
    QWidget owner;
    owner.show();
    whileOpen([](frmViga *dlg) { dlg->Command1->click(); });
    ShowNotice(&owner, u"Vigane kuupäev"_s, u"a"_s, u"b"_s, u"c"_s);
    QVERIFY(checked_);

    whileOpen([](frmViga *dlg) {
        QCOMPARE(dlg->windowTitle(), u"Tähelepanu"_s);
        QCOMPARE(dlg->lblEsimene->text(), u"Vali alltoodud linnaosade hulgast"_s);
        QCOMPARE(dlg->lblTeine->text(), QString());
        QCOMPARE(dlg->lblKolmas->text(), QString());
        dlg->Command1->click();
    });
    ShowNotice(&owner, u"Tähelepanu"_s, u"Vali alltoodud linnaosade hulgast"_s);
    QVERIFY(checked_);
}

void tst_notice::design()
{
    frmViga dlg;
    dlg.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(dlg.windowTitle(), QString());
    QCOMPARE(dlg.lblEsimene->text(), QString());
    QCOMPARE(dlg.lblTeine->text(), QString());
    QCOMPARE(dlg.lblKolmas->text(), QString());
    QCOMPARE(dlg.Command1->text(), u"&Olgu"_s);
    QVERIFY(dlg.Command1->isDefault());
    QVERIFY(!dlg.Image1->pixmap().isNull());
    // 4905 x 1740 twips, and it stays so.
    QCOMPARE(dlg.minimumSize(), QSize(327, 116));
    QCOMPARE(dlg.maximumSize(), QSize(327, 116));
    const Qt::WindowFlags flags = dlg.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    // Geometry of the lines: 240 twips apart, 720 from the left.
    QCOMPARE(dlg.lblEsimene->geometry(), QRect(48, 16, 273, 17));
    QCOMPARE(dlg.lblTeine->geometry(), QRect(48, 32, 273, 17));
    QCOMPARE(dlg.lblKolmas->geometry(), QRect(48, 48, 273, 17));
    QCOMPARE(dlg.Command1->geometry(), QRect(130, 80, 73, 25));
    QCOMPARE(dlg.Image1->geometry(), QRect(8, 16, 32, 32));
    QCOMPARE(dlg.lblEsimene->focusPolicy(), Qt::NoFocus);
}

void tst_notice::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << u"esc"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("Return") << u"return"_s;
    QTest::newRow("Alt+O") << u"alt+o"_s;
    QTest::newRow("click on Olgu") << u"click"_s;
    QTest::newRow("close box") << u"close"_s;
}

void tst_notice::closing()
{
    QFETCH(QString, how);
    QWidget owner;
    owner.show();
    whileOpen([&](frmViga *dlg) {
        QApplication::setActiveWindow(dlg);  // access keys need an active window
        QCOMPARE(QApplication::focusWidget(), dlg->Command1);
        if (how == u"esc")
            QTest::keyClick(dlg->Command1, Qt::Key_Escape);
        else if (how == u"enter")
            QTest::keyClick(dlg->Command1, Qt::Key_Enter);
        else if (how == u"return")
            QTest::keyClick(dlg->Command1, Qt::Key_Return);
        else if (how == u"alt+o")
            QTest::keyClick(dlg->Command1, Qt::Key_O, Qt::AltModifier);
        else if (how == u"click")
            QTest::mouseClick(dlg->Command1, Qt::LeftButton);
        else
            dlg->close();
        QTRY_VERIFY(!dlg->isVisible());
    });
    ShowNotice(&owner, u"Tähelepanu"_s, u"0-kuud ei ole olemas..."_s);
    QVERIFY(checked_);
    // Discarded at once: the next notice starts from the stored design.
    QVERIFY(seen_.isNull());
}

QTEST_MAIN(tst_notice)
#include "tst_notice.moc"
