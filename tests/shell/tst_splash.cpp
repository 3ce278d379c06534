// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: its texts, and the one hand-over to the main window.
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "shell/frmAlgus.h"

using namespace Qt::StringLiterals;

class tst_splash : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void texts();
    void design();
    void handOverOnTimer();
    void characterKeyHandsOver_data();
    void characterKeyHandsOver();
    void keyWithoutCharacterDoesNothing_data();
    void keyWithoutCharacterDoesNothing();
    void click_data();
    void click();

private:
    frmAlgus *makeSplash();
    QList<QPointer<QWidget>> mainWindows_;
};

frmAlgus *tst_splash::makeSplash()
{
    // A plain window stands in for the main window.
    auto *splash = new frmAlgus([this] {
        auto *w = new QWidget;
        w->setObjectName(u"mainWindow"_s);
        w->show();
        mainWindows_ << w;
        return w;
    });
    splash->show();
    return splash;
}

void tst_splash::cleanup()
{
    for (const auto &w : std::as_const(mainWindows_))
        delete w.data();
    mainWindows_.clear();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmAlgus *>(w))
            delete w;
}

void tst_splash::texts()
{
    QPointer<frmAlgus> splash = makeSplash();
    QCOMPARE(splash->lblVersion->text(), u"Versioon 2.0.2"_s);
    QCOMPARE(splash->lblProductName->text(), u"Vorandel"_s);
    QCOMPARE(splash->lblLicenseTo->text(), u"Vabavara"_s);
    QCOMPARE(splash->lblWarning->text(), u"Avan programmi..."_s);
    QCOMPARE(splash->lblComments->text(), u"Päikesetõus ja -loojang"_s);
    QVERIFY(!splash->lblCopyright->text().isEmpty());
    QVERIFY(splash->lblCopyright->text() != u"Copyright"_s);
    QVERIFY(!splash->imgLogo->pixmap().isNull());
}

void tst_splash::design()
{
    QPointer<frmAlgus> splash = makeSplash();
    // No title bar, no task-bar button.
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->windowType(), Qt::SplashScreen);
    QCOMPARE(splash->size(), QSize(492, 283));  // 7380 x 4245 twips
    QCOMPARE(splash->palette().color(QPalette::Window), QColor(0, 0, 192));
    QVERIFY(splash->fraVäli->palette().color(QPalette::Window) != QColor(0, 0, 192));
    QCOMPARE(splash->fraVäli->geometry(), QRect(10, 12, 472, 262));
    QCOMPARE(splash->tmrKäiviti->interval(), 1300);
    QVERIFY(splash->tmrKäiviti->isActive());
    // The title grows to the right, the right-aligned version to the left:
    // its right edge stays with the other right-aligned lines.
    QCOMPARE(splash->lblProductName->x(), 168);
    QVERIFY(splash->lblProductName->width() >= splash->lblProductName->sizeHint().width());
    QCOMPARE(splash->lblVersion->geometry().right(), splash->lblLicenseTo->geometry().right());
    QVERIFY(splash->lblVersion->width() >= splash->lblVersion->sizeHint().width());
    QCOMPARE(splash->lblProductName->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(splash->lblVersion->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(splash->lblProductName->font().bold());
    QCOMPARE(splash->imgLogo->geometry(), QRect(24, 53, 121, 121));
}

void tst_splash::handOverOnTimer()
{
    QElapsedTimer clock;
    clock.start();
    QPointer<frmAlgus> splash = makeSplash();
    QTest::qWait(1100);
    QVERIFY(mainWindows_.isEmpty());
    QVERIFY(splash);
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows_.size(), 1, 2000);
    QVERIFY(clock.elapsed() >= 1300);
    QVERIFY(mainWindows_.first()->isVisible());
    QTRY_VERIFY(splash.isNull());  // discarded right after
}

void tst_splash::characterKeyHandsOver_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onLabel");
    QTest::addColumn<bool>("waitForTimer");
    QTest::newRow("letter, then the timer opens no second window") << int(Qt::Key_A) << false << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false << false;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << false << false;
    QTest::newRow("space") << int(Qt::Key_Space) << false << false;
    QTest::newRow("digit on a label") << int(Qt::Key_7) << true << false;
}

void tst_splash::characterKeyHandsOver()
{
    QFETCH(int, key);
    QFETCH(bool, onLabel);
    QFETCH(bool, waitForTimer);
    QPointer<frmAlgus> splash = makeSplash();
    QWidget *target = onLabel ? static_cast<QWidget *>(splash->lblWarning) : splash.data();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(mainWindows_.size(), 1);
    QVERIFY(mainWindows_.first()->isVisible());
    QTRY_VERIFY(splash.isNull());
    if (waitForTimer) {
        QTest::qWait(1600);
        QCOMPARE(mainWindows_.size(), 1);
    }
}

void tst_splash::keyWithoutCharacterDoesNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Shift") << int(Qt::Key_Shift);
    QTest::newRow("Control") << int(Qt::Key_Control);
    QTest::newRow("arrow left") << int(Qt::Key_Left);
    QTest::newRow("arrow down") << int(Qt::Key_Down);
    QTest::newRow("F1") << int(Qt::Key_F1);
    QTest::newRow("Home") << int(Qt::Key_Home);
}

void tst_splash::keyWithoutCharacterDoesNothing()
{
    QFETCH(int, key);
    QPointer<frmAlgus> splash = makeSplash();
    QTest::keyClick(splash.data(), Qt::Key(key));
    QTest::qWait(50);
    QVERIFY(mainWindows_.isEmpty());
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QVERIFY(splash->tmrKäiviti->isActive());
}

void tst_splash::click_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("handsOver");
    QTest::addColumn<bool>("waitForTimer");
    QTest::newRow("frame, then the timer opens no second window") << u"frame"_s << true << true;
    QTest::newRow("title on the frame") << u"title"_s << true << false;
    QTest::newRow("logo on the frame") << u"logo"_s << true << false;
    QTest::newRow("blue margin") << u"margin"_s << false << false;
    QTest::newRow("right button on the frame") << u"right"_s << false << false;
}

void tst_splash::click()
{
    QFETCH(QString, where);
    QFETCH(bool, handsOver);
    QFETCH(bool, waitForTimer);
    QPointer<frmAlgus> splash = makeSplash();
    if (where == u"frame")
        QTest::mouseClick(splash->fraVäli, Qt::LeftButton, {}, QPoint(100, 230));
    else if (where == u"title")
        QTest::mouseClick(splash->lblProductName, Qt::LeftButton);
    else if (where == u"logo")
        QTest::mouseClick(splash->imgLogo, Qt::LeftButton);
    else if (where == u"margin")
        QTest::mouseClick(splash.data(), Qt::LeftButton, {}, QPoint(4, 4));
    else
        QTest::mouseClick(splash->fraVäli, Qt::RightButton, {}, QPoint(100, 230));

    if (handsOver) {
        QCOMPARE(mainWindows_.size(), 1);
        QTRY_VERIFY(splash.isNull());
        if (waitForTimer) {
            QTest::qWait(1600);
            QCOMPARE(mainWindows_.size(), 1);
        }
    } else {
        QTest::qWait(50);
        QVERIFY(mainWindows_.isEmpty());
        QVERIFY(splash && splash->isVisible());
    }
}

QTEST_MAIN(tst_splash)
#include "tst_splash.moc"
