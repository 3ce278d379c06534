// SPDX-License-Identifier: GPL-3.0-or-later
// The living window: the season switch over stored times, the clock and the
// Julian date, the About picture and the load step's title.
#include <QDate>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>

#include "shell/frmAbout.h"
#include "shell/pictures.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;

class TestWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmProge> w;
    std::unique_ptr<NoticeRecorder> recorder;

    void fill(const QString &day, const QString &month, const QString &lat = u"59"_s,
              const QString &lon = u"24"_s)
    {
        w->txtAasta->setText(u"2003"_s);
        w->txtLaiusKraad->setText(lat);
        w->txtLaiusMinut->setText(u"26"_s);
        w->txtLaiusSekund->setText(u"13"_s);
        w->txtPikkusKraad->setText(lon);
        w->txtPikkusMinut->setText(u"44"_s);
        w->txtPikkusSekund->setText(u"42"_s);
        w->txtKõrgus->setText(u"30"_s);
        w->txtPäev->setText(day);
        w->txtKuu->setText(month);
    }

    QStringList fourTimes() const
    {
        return {w->lblKohKeskP_Tõ->text(), w->lblPäiTõuKell->text(), w->lblKohKeskP_Lo->text(),
                w->lblPäiLooKell->text()};
    }

    static bool samePicture(const QPixmap &a, const QPixmap &b) { return a.toImage() == b.toImage(); }

private slots:
    void init() { openSession(w, recorder); }
    void cleanup() { QVERIFY(closeSession(w, recorder)); }

    void titleCarriesToday()
    {
        const QString title = w->windowTitle();
        QVERIFY(title.startsWith(u"Vorandel: Päikesetõus ja -loojang /["_s));
        QVERIFY(title.endsWith(u" "_s + QString::number(QDate::currentDate().year()) + u". a./"_s));
    }

    void seasonSwitchAfterSummerComputation()
    {
        fill(u"21"_s, u"06"_s);
        w->cmdArvuta->click();
        QCOMPARE(w->WinterTime, 0);
        const QStringList summer = {u"13:21:46"_s, u"03:59:53"_s, u"13:21:52"_s, u"22:43:53"_s};
        QCOMPARE(fourTimes(), summer);
        const double stored = w->SunriseTime;
        QTest::mouseClick(w->optTalveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes(), (QStringList{u"12:21:46"_s, u"02:59:53"_s, u"12:21:52"_s, u"21:43:53"_s}));
        QCOMPARE(w->optSuveaeg->toolTip(), u" Talveaeg "_s);
        QCOMPARE(w->optTalveaeg->toolTip(), u" Talveaeg "_s);
        QCOMPARE(w->SunriseTime, stored);
        QCOMPARE(w->WinterTime, 0);  // the results keep the season they were computed in
        QCOMPARE(w->lblNurkA_Tõ->text(), u"168° 47' 02''"_s);
        QTest::mouseClick(w->optSuveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes(), summer);
        QCOMPARE(w->optTalveaeg->toolTip(), u" Suveaeg "_s);
    }

    void seasonSwitchAfterWinterComputation()
    {
        fill(u"01"_s, u"01"_s);
        QVERIFY(w->optTalveaeg->isChecked());  // January chose winter time
        w->cmdArvuta->click();
        QCOMPARE(w->WinterTime, 1);
        const QStringList winter = fourTimes();
        QCOMPARE(winter.at(0), u"12:23:30"_s);
        QTest::mouseClick(w->optTalveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes(), winter);
        QCOMPARE(w->optSuveaeg->toolTip(), u" Talveaeg "_s);
        QTest::mouseClick(w->optSuveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes().at(0), u"13:23:30"_s);
    }

    void shiftedTimeWrapsAtMidnight()
    {
        fill(u"21"_s, u"06"_s);
        w->cmdArvuta->click();
        w->SunsetTime = 23.5;  // a stored time within an hour of midnight
        w->NoonAtSunrise = 0.25;
        w->optTalveaeg->click();
        w->optSuveaeg->click();
        QCOMPARE(w->lblPäiLooKell->text(), u"23:30:00"_s);
        w->WinterTime = 1;  // as if computed in winter time: summer adds an hour
        w->optSuveaeg->click();
        QCOMPARE(w->lblPäiLooKell->text(), u"00:30:00"_s);
        w->WinterTime = 0;
        w->optTalveaeg->click();
        QCOMPARE(w->lblKohKeskP_Tõ->text(), u"23:15:00"_s);
    }

    void polarTextKeptOnSwitch()
    {
        w->txtAasta->setText(u"2003"_s);
        fill(u"21"_s, u"12"_s, u"70"_s, u"25"_s);
        w->txtLaiusKraad->setText(u"70"_s);  // outside the place lists: typed coordinates
        w->cmdArvuta->click();
        QCOMPARE(w->lblPäiTõuKell->text(), u"polaaröö"_s);
        QCOMPARE(w->lblPäiLooKell->text(), u"polaaröö"_s);
        const QString noon = w->lblKohKeskP_Tõ->text();
        QTest::mouseClick(w->optSuveaeg, Qt::LeftButton);
        QCOMPARE(w->lblPäiTõuKell->text(), u"polaaröö"_s);
        QCOMPARE(w->lblPäiLooKell->text(), u"polaaröö"_s);
        QVERIFY(w->lblKohKeskP_Tõ->text() != noon);
    }

    void seasonClickBeforeComputation()
    {
        fill(u"21"_s, u"07"_s);
        QVERIFY(w->optSuveaeg->isChecked());
        QVERIFY(w->cmdArvuta->isEnabled());
        QTest::mouseClick(w->optTalveaeg, Qt::LeftButton);
        QCOMPARE(w->WinterTime, 1);
        w->cmdArvuta->click();
        QCOMPARE(w->WinterTime, 1);
        QCOMPARE(w->optSuveaeg->toolTip(), u" Talveaeg "_s);
        QCOMPARE(w->lblPäiTõuKell->text().left(2), u"03"_s);  // summer's 04:xx an hour earlier
    }

    // The option clicked while a field is still empty is the season computed in.
    void seasonClickWithAFieldEmpty()
    {
        fill(u"21"_s, u"07"_s);
        w->txtKõrgus->clear();
        QVERIFY(!w->cmdArvuta->isEnabled());
        QTest::mouseClick(w->optTalveaeg, Qt::LeftButton);
        QCOMPARE(w->WinterTime, 1);
        w->txtKõrgus->setText(u"30"_s);
        w->cmdArvuta->click();
        QVERIFY(w->optTalveaeg->isChecked());
        QCOMPARE(w->WinterTime, 1);
        QCOMPARE(w->lblPäiTõuKell->text().left(2), u"03"_s);
    }

    // The close box ends the program: the main window is the last window open.
    void closingTheWindowEndsTheProgram()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        bool timedOut = false;
        QTimer::singleShot(0, w.get(), [this] { w->close(); });
        QTimer::singleShot(3000, qApp, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);  // the run's own event loop ends
        QVERIFY(!timedOut);
        QCOMPARE(lastClosed.count(), 1);
    }

    void clockTick()
    {
        QCOMPARE(w->picKell->text(), QString());  // empty before the first tick
        QCOMPARE(w->picJuuliusePäev->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!w->picKell->text().isEmpty(), 3000);
        QVERIFY(QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d$"_s).match(w->picKell->text()).hasMatch());
        QVERIFY(QRegularExpression(u"^2 4\\d\\d \\d\\d\\d[.,]\\d{6}$"_s)
                    .match(w->picJuuliusePäev->text())
                    .hasMatch());
    }

    void aboutPictureSwap()
    {
        const QPixmap sun = pictures::sun();
        QVERIFY(samePicture(w->imgAbout->pixmap(), sun));
        QTest::mouseMove(w->imgAbout, QPoint(10, 10));
        QMouseEvent overPicture(QEvent::MouseMove, QPointF(10, 10), w->imgAbout->mapToGlobal(QPointF(10, 10)),
                                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->imgAbout, &overPicture);
        QVERIFY(samePicture(w->imgAbout->pixmap(), w->imgHelves->pixmap()));
        QMouseEvent overCaption(QEvent::MouseMove, QPointF(3, 3), w->Label4->mapToGlobal(QPointF(3, 3)),
                                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->Label4, &overCaption);
        QVERIFY(samePicture(w->imgAbout->pixmap(), sun));
        QApplication::sendEvent(w->imgAbout, &overPicture);
        QMouseEvent overWindow(QEvent::MouseMove, QPointF(400, 5), w->mapToGlobal(QPointF(400, 5)),
                               Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &overWindow);
        QVERIFY(samePicture(w->imgAbout->pixmap(), sun));
        // Other controls leave the picture as it is.
        QApplication::sendEvent(w->imgAbout, &overPicture);
        QMouseEvent overField(QEvent::MouseMove, QPointF(3, 3), w->txtPäev->mapToGlobal(QPointF(3, 3)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->txtPäev, &overField);
        QVERIFY(samePicture(w->imgAbout->pixmap(), w->imgHelves->pixmap()));
    }

    void aboutOpensFromThePicture()
    {
        QString title;
        bool sunBack = false;
        QTimer::singleShot(50, this, [&] {
            auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            QVERIFY(about);
            auto guard = qScopeGuard([about] { about->close(); });
            title = about->windowTitle();
            about->cmdOK->click();
            guard.dismiss();
        });
        w->imgAbout_MouseMove();  // the pointer passed over the picture: a snowflake
        QTest::mouseClick(w->imgAbout, Qt::LeftButton, {}, QPoint(10, 10));
        sunBack = samePicture(w->imgAbout->pixmap(), pictures::sun());
        QCOMPARE(title, u"Programmist Vorandel"_s);
        QVERIFY(sunBack);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
