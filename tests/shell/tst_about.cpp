// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog: its texts, the etched separators, closing it, and the
// way to the system-information tool when there is none.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/frmAbout.h"
#include "shell/pictures.h"

using namespace Qt::StringLiterals;

namespace {
bool samePicture(const QPixmap &a, const QPixmap &b) { return a.toImage() == b.toImage(); }
}  // namespace

class tst_about : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void texts();
    void design();
    void separators();
    void closing_data();
    void closing();
    void okWithoutPicture();
    void sysInfoUnavailable();

private:
    // Opens the dialog over `owner` and runs `check` on it; a failed check still closes it.
    void runDialog(QWidget *owner, QLabel *picture, std::function<void(frmAbout *)> check);
    bool checked_ = false;
};

void tst_about::runDialog(QWidget *owner, QLabel *picture, std::function<void(frmAbout *)> check)
{
    checked_ = false;
    QTimer::singleShot(0, this, [this, check] {
        auto *dlg = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        auto guard = qScopeGuard([dlg] {
            if (dlg->isVisible())
                dlg->reject();
        });
        QApplication::setActiveWindow(dlg);  // access keys need an active window
        check(dlg);
        checked_ = true;
        if (!QTest::currentTestFailed())
            guard.dismiss();
    });
    auto *dlg = new frmAbout(picture, owner);
    dlg->exec();
}

void tst_about::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        QVERIFY2(!qobject_cast<frmAbout *>(w), "an About dialog was left behind");
        QVERIFY2(!qobject_cast<QMessageBox *>(w), "a message box was left behind");
    }
}

void tst_about::texts()
{
    frmAbout dlg(nullptr);
    QCOMPARE(dlg.windowTitle(), u"Programmist Vorandel"_s);
    QCOMPARE(dlg.lblTitle->text(), u"Vorandel"_s);
    QCOMPARE(dlg.lblVersion->text(), u"Versioon 2.0.2"_s);
    QCOMPARE(dlg.lblDescription->text(),
             u"See on mu esimene katseprojekt; rohkem õppimise eesmärgil loodud. Võimalik, et "
             u"tulevikus saab sellest suurema programmi osa; eks seda näita juba aeg..."_s);
    QCOMPARE(dlg.lblComments->text(), u"Päikesetõus ja -loojang"_s);
    QVERIFY(!dlg.lblCopyright->text().isEmpty());
    QVERIFY(dlg.lblCopyright->text() != u"Copyright"_s);
    QCOMPARE(dlg.lblDisclaimer->text(), u"Vabavara"_s);
    QCOMPARE(dlg.cmdSysInfo->text(), u"&System Info..."_s);
    QCOMPARE(dlg.cmdSysInfo->toolTip(), u" Süsteemi informatsioon "_s);
    QCOMPARE(dlg.cmdOK->text(), u"&Olgu"_s);
}

void tst_about::design()
{
    QWidget owner;
    owner.show();
    runDialog(&owner, nullptr, [&](frmAbout *dlg) {
        QCOMPARE(dlg->parentWidget(), &owner);
        QVERIFY(dlg->isModal());
        QCOMPARE(QApplication::focusWidget(), dlg->cmdOK);
        QVERIFY(dlg->cmdOK->isDefault());
        QCOMPARE(dlg->minimumSize(), QSize(372, 215));  // 5580 x 3225 twips
        QCOMPARE(dlg->maximumSize(), QSize(372, 215));
        QVERIFY(!(dlg->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(dlg->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!dlg->windowIcon().isNull());
        QVERIFY(samePicture(dlg->picIcon->pixmap(), pictures::sun()));
        QCOMPARE(dlg->picIcon->geometry(), QRect(16, 16, 32, 32));
        QCOMPARE(dlg->lblTitle->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(dlg->lblVersion->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(dlg->lblDescription->wordWrap());
        QCOMPARE(dlg->cmdOK->geometry(), QRect(280, 175, 84, 28));
        QCOMPARE(dlg->cmdSysInfo->geometry(), QRect(176, 175, 84, 28));
        dlg->cmdOK->click();
    });
    QVERIFY(checked_);
}

void tst_about::separators()
{
    frmAbout dlg(nullptr);
    const QImage image = dlg.grab().toImage();
    const QColor grey(128, 128, 128);
    for (int x : {8, 100, 364}) {
        QCOMPARE(image.pixelColor(x, 123), grey);
        QCOMPARE(image.pixelColor(x, 124), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, 163), grey);
        QCOMPARE(image.pixelColor(x, 164), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, 165), QColor(Qt::white));
    }
    QVERIFY(image.pixelColor(100, 140) != grey);
}

void tst_about::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("restored");
    QTest::newRow("Esc") << u"esc"_s << true;
    QTest::newRow("Enter") << u"enter"_s << true;
    QTest::newRow("Alt+O") << u"alt+o"_s << true;
    QTest::newRow("click on Olgu") << u"click"_s << true;
    QTest::newRow("close box") << u"close"_s << false;
}

void tst_about::closing()
{
    QFETCH(QString, how);
    QFETCH(bool, restored);
    QWidget owner;
    auto *imgAbout = new QLabel(&owner);
    imgAbout->setPixmap(pictures::snowflake());  // as the pointer over it left it
    owner.show();
    QPointer<frmAbout> seen;
    runDialog(&owner, imgAbout, [&](frmAbout *dlg) {
        seen = dlg;
        if (how == u"esc")
            QTest::keyClick(dlg->cmdOK, Qt::Key_Escape);
        else if (how == u"enter")
            QTest::keyClick(dlg->cmdOK, Qt::Key_Return);
        else if (how == u"alt+o")
            QTest::keyClick(dlg->cmdOK, Qt::Key_O, Qt::AltModifier);
        else if (how == u"click")
            QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        else
            dlg->close();
        QTRY_VERIFY(!dlg->isVisible());
    });
    QVERIFY(checked_);
    QVERIFY(seen.isNull());  // discarded on close
    QCOMPARE(samePicture(imgAbout->pixmap(), pictures::sun()), restored);
    QCOMPARE(samePicture(imgAbout->pixmap(), pictures::snowflake()), !restored);
}

void tst_about::okWithoutPicture()
{
    QWidget owner;
    auto *imgAbout = new QLabel(&owner);
    owner.show();
    QPointer<QLabel> gone = imgAbout;
    runDialog(&owner, imgAbout, [&](frmAbout *dlg) {
        delete gone.data();  // the picture may be gone by the time "&Olgu" is pressed
        dlg->cmdOK->click();
        QTRY_VERIFY(!dlg->isVisible());
    });
    QVERIFY(checked_);
}

void tst_about::sysInfoUnavailable()
{
    // No registry here, and no system-information program on this PATH.
    QTemporaryDir emptyDir;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", emptyDir.path().toLocal8Bit());
    auto restorePath = qScopeGuard([&] { qputenv("PATH", oldPath); });

    QWidget owner;
    owner.show();
    bool messageSeen = false;
    runDialog(&owner, nullptr, [&](frmAbout *dlg) {
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto guard = qScopeGuard([box] { box->done(0); });
            QCOMPARE(box->text(), u"Süsteemi Informatsioon on hetkel kättesaamatu"_s);
            QCOMPARE(box->windowTitle(), u"Vorandel"_s);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            messageSeen = true;
            guard.dismiss();
            box->button(QMessageBox::Ok)->click();
        });
        dlg->cmdSysInfo->click();  // returns once the message is closed
        QVERIFY(messageSeen);
        QVERIFY(dlg->isVisible());  // the About dialog stays open
        dlg->cmdOK->click();
        QTRY_VERIFY(!dlg->isVisible());
    });
    QVERIFY(checked_);
}

QTEST_MAIN(tst_about)
#include "tst_about.moc"
