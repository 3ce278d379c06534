// SPDX-License-Identifier: GPL-3.0-or-later
// The living window: the season switch over stored times, the clock and the
// Julian date, the About picture and the load step's title.
#include <QAccessible>
#include <QDate>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimeZone>

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
        w->controls().txtAasta->setText(u"2003"_s);
        w->controls().txtLaiusKraad->setText(lat);
        w->controls().txtLaiusMinut->setText(u"26"_s);
        w->controls().txtLaiusSekund->setText(u"13"_s);
        w->controls().txtPikkusKraad->setText(lon);
        w->controls().txtPikkusMinut->setText(u"44"_s);
        w->controls().txtPikkusSekund->setText(u"42"_s);
        w->controls().txtKõrgus->setText(u"30"_s);
        w->controls().txtPäev->setText(day);
        w->controls().txtKuu->setText(month);
    }

    QStringList fourTimes() const
    {
        return {w->controls().lblKohKeskP_Tõ->text(), w->controls().lblPäiTõuKell->text(),
                w->controls().lblKohKeskP_Lo->text(), w->controls().lblPäiLooKell->text()};
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
        w->controls().cmdArvuta->click();
        QVERIFY(!w->runState().WinterTime);
        const QStringList summer = {u"13:21:46"_s, u"03:59:53"_s, u"13:21:52"_s, u"22:43:53"_s};
        QCOMPARE(fourTimes(), summer);
        const double stored = w->runState().SunriseTime;
        QTest::mouseClick(w->controls().optTalveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes(), (QStringList{u"12:21:46"_s, u"02:59:53"_s, u"12:21:52"_s, u"21:43:53"_s}));
        QCOMPARE(w->controls().optSuveaeg->toolTip(), u" Talveaeg "_s);
        QCOMPARE(w->controls().optTalveaeg->toolTip(), u" Talveaeg "_s);
        QCOMPARE(w->runState().SunriseTime, stored);
        QVERIFY(!w->runState().WinterTime);  // the results keep the season they were computed in
        QCOMPARE(w->controls().lblNurkA_Tõ->text(), u"168° 47' 02''"_s);
        QTest::mouseClick(w->controls().optSuveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes(), summer);
        QCOMPARE(w->controls().optTalveaeg->toolTip(), u" Suveaeg "_s);
    }

    void seasonSwitchAfterWinterComputation()
    {
        fill(u"01"_s, u"01"_s);
        QVERIFY(w->controls().optTalveaeg->isChecked());  // January chose winter time
        w->controls().cmdArvuta->click();
        QVERIFY(w->runState().WinterTime);
        const QStringList winter = fourTimes();
        QCOMPARE(winter.at(0), u"12:23:30"_s);
        QTest::mouseClick(w->controls().optTalveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes(), winter);
        QCOMPARE(w->controls().optSuveaeg->toolTip(), u" Talveaeg "_s);
        QTest::mouseClick(w->controls().optSuveaeg, Qt::LeftButton);
        QCOMPARE(fourTimes().at(0), u"13:23:30"_s);
    }

    void shiftedTimeWrapsAtMidnight()
    {
        // West of Greenwich the midsummer sunset, computed in winter time,
        // comes shortly before midnight: summer time shows it after.
        fill(u"21"_s, u"06"_s, u"59"_s, u"-5"_s);
        w->controls().optTalveaeg->click();
        w->controls().cmdArvuta->click();
        const QString winterSunset = w->controls().lblPäiLooKell->text();
        QVERIFY2(winterSunset.startsWith(u"23:"_s), qPrintable(winterSunset));
        w->controls().optSuveaeg->click();
        QCOMPARE(w->controls().lblPäiLooKell->text(), u"00:"_s + winterSunset.mid(3));
        // Far east the midsummer sunrise, computed in summer time, comes
        // shortly after midnight: winter time shows it before.
        w->controls().cmdTühjenda->click();
        fill(u"21"_s, u"06"_s, u"59"_s, u"80"_s);
        w->controls().cmdArvuta->click();
        const QString summerSunrise = w->controls().lblPäiTõuKell->text();
        QVERIFY2(summerSunrise.startsWith(u"00:"_s), qPrintable(summerSunrise));
        w->controls().optTalveaeg->click();
        QCOMPARE(w->controls().lblPäiTõuKell->text(), u"23:"_s + summerSunrise.mid(3));
        QCOMPARE(recorder->notices, QList<RecordedNotice>());
    }

    void polarTextKeptOnSwitch()
    {
        w->controls().txtAasta->setText(u"2003"_s);
        fill(u"21"_s, u"12"_s, u"70"_s, u"25"_s);
        w->controls().txtLaiusKraad->setText(u"70"_s);  // outside the place lists: typed coordinates
        w->controls().cmdArvuta->click();
        QCOMPARE(w->controls().lblPäiTõuKell->text(), u"polaaröö"_s);
        QCOMPARE(w->controls().lblPäiLooKell->text(), u"polaaröö"_s);
        const QString noon = w->controls().lblKohKeskP_Tõ->text();
        QTest::mouseClick(w->controls().optSuveaeg, Qt::LeftButton);
        QCOMPARE(w->controls().lblPäiTõuKell->text(), u"polaaröö"_s);
        QCOMPARE(w->controls().lblPäiLooKell->text(), u"polaaröö"_s);
        QVERIFY(w->controls().lblKohKeskP_Tõ->text() != noon);
    }

    void seasonClickBeforeComputation()
    {
        fill(u"21"_s, u"07"_s);
        QVERIFY(w->controls().optSuveaeg->isChecked());
        QVERIFY(w->controls().cmdArvuta->isEnabled());
        QTest::mouseClick(w->controls().optTalveaeg, Qt::LeftButton);
        QVERIFY(w->runState().WinterTime);
        w->controls().cmdArvuta->click();
        QVERIFY(w->runState().WinterTime);
        QCOMPARE(w->controls().optSuveaeg->toolTip(), u" Talveaeg "_s);
        QCOMPARE(w->controls().lblPäiTõuKell->text().left(2), u"03"_s);  // summer's 04:xx an hour earlier
    }

    // The option clicked while a field is still empty is the season computed in.
    void seasonClickWithAFieldEmpty()
    {
        fill(u"21"_s, u"07"_s);
        w->controls().txtKõrgus->clear();
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        QTest::mouseClick(w->controls().optTalveaeg, Qt::LeftButton);
        QVERIFY(w->runState().WinterTime);
        w->controls().txtKõrgus->setText(u"30"_s);
        w->controls().cmdArvuta->click();
        QVERIFY(w->controls().optTalveaeg->isChecked());
        QVERIFY(w->runState().WinterTime);
        QCOMPARE(w->controls().lblPäiTõuKell->text().left(2), u"03"_s);
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
        QCOMPARE(w->controls().picKell->text(), QString());  // empty before the first tick
        QCOMPARE(w->controls().picJuuliusePäev->text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!w->controls().picKell->text().isEmpty(), 3000);
        QVERIFY(
            QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d$"_s).match(w->controls().picKell->text()).hasMatch());
        QVERIFY(QRegularExpression(u"^2 4\\d\\d \\d\\d\\d[.,]\\d{6}$"_s)
                    .match(w->controls().picJuuliusePäev->text())
                    .hasMatch());
    }

    // The label reads the local clock time as it stands; its tip and
    // description give the Julian date of the same instant in UT. The
    // figures are PyEphem's julian_date of the local and of the UTC time.
    void julianDateTwoReadings_data()
    {
        QTest::addColumn<qint64>("utcSeconds");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("tip");
        QTest::newRow("winter time, 8 Dec 2026 14:30:36")
            << qint64(1796733036) << u"2 461 383.104583"_s << u" Juliuse päev (UT): 2 461 383.021250 "_s;
        QTest::newRow("summer time, 21 Jun 2026 12:15:00")
            << qint64(1782033300) << u"2 461 213.010417"_s << u" Juliuse päev (UT): 2 461 212.885417 "_s;
        // The clock goes back at 04:00 summer time: 03:30 comes twice.
        QTest::newRow("25 Oct 2026 03:30 summer time")
            << qint64(1792888200) << u"2 461 338.645833"_s << u" Juliuse päev (UT): 2 461 338.520833 "_s;
        QTest::newRow("25 Oct 2026 03:30 winter time")
            << qint64(1792891800) << u"2 461 338.645833"_s << u" Juliuse päev (UT): 2 461 338.562500 "_s;
    }

    void julianDateTwoReadings()
    {
        QFETCH(qint64, utcSeconds);
        QFETCH(QString, label);
        QFETCH(QString, tip);
        const QTimeZone tallinn("Europe/Tallinn");
        QVERIFY(tallinn.isValid());
        w->currentDateTime = [=] { return QDateTime::fromSecsSinceEpoch(utcSeconds, tallinn); };
        QLabel *julian = w->controls().picJuuliusePäev;
        w->tmrAeg_Timer();
        QCOMPARE(julian->text(), label);
        QCOMPARE(julian->toolTip(), tip);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(julian);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Description), tip);
    }

    void aboutPictureSwap()
    {
        const QPixmap sun = pictures::sun();
        QVERIFY(samePicture(w->controls().imgAbout->pixmap(), sun));
        QTest::mouseMove(w->controls().imgAbout, QPoint(10, 10));
        QMouseEvent overPicture(QEvent::MouseMove, QPointF(10, 10),
                                w->controls().imgAbout->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                                Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->controls().imgAbout, &overPicture);
        QVERIFY(samePicture(w->controls().imgAbout->pixmap(), w->controls().imgHelves->pixmap()));
        QMouseEvent overCaption(QEvent::MouseMove, QPointF(3, 3),
                                w->controls().Label4->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                                Qt::NoModifier);
        QApplication::sendEvent(w->controls().Label4, &overCaption);
        QVERIFY(samePicture(w->controls().imgAbout->pixmap(), sun));
        QApplication::sendEvent(w->controls().imgAbout, &overPicture);
        QMouseEvent overWindow(QEvent::MouseMove, QPointF(400, 5), w->mapToGlobal(QPointF(400, 5)),
                               Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &overWindow);
        QVERIFY(samePicture(w->controls().imgAbout->pixmap(), sun));
        // Other controls leave the picture as it is.
        QApplication::sendEvent(w->controls().imgAbout, &overPicture);
        QMouseEvent overField(QEvent::MouseMove, QPointF(3, 3),
                              w->controls().txtPäev->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w->controls().txtPäev, &overField);
        QVERIFY(samePicture(w->controls().imgAbout->pixmap(), w->controls().imgHelves->pixmap()));
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
        QTest::mouseClick(w->controls().imgAbout, Qt::LeftButton, {}, QPoint(10, 10));
        sunBack = samePicture(w->controls().imgAbout->pixmap(), pictures::sun());
        QCOMPARE(title, u"Programmist Vorandel"_s);
        QVERIFY(sunBack);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
