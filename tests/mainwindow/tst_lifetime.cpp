// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over a long run: closed by the program or by the session
// while a dialog waits over it, and thousands of Calculate/Clear cycles.
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>

#include "shell/frmAbout.h"
#include "shell/sysinfo.h"
#include "window_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps its own count (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Bytes in use by the program's heap.
qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    // The arena's chunks and the blocks mapped on their own (a long history
    // would live in one of those).
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#endif
}

// A window that deletes itself when closed, as the program's main window does.
QPointer<frmProge> showOwnWindow()
{
    auto *w = new frmProge;
    w->endProgram = [](int) {};
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("window did not become active");
    return w;
}

void fillWithDayZero(frmProge *w)
{
    fillAllButTheDate(*w);
    w->controls().txtKuu->setText(u"06"_s);
    w->controls().txtPäev->setText(u"0"_s);
}

// Runs `step` once the modal dialog of the given kind is open.
template<class Dialog, class Step>
void whenOpen(QObject *context, Step step)
{
    auto *poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [poll, step] {
        auto *dlg = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isVisible())
            return;
        poll->deleteLater();
        step(dlg);
    });
    poll->start();
}

}  // namespace

class TestLifetime : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup()
    {
        QApplication::setQuitOnLastWindowClosed(true);
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName() + u" was left open"_s));
    }

    // The program closes the window while a notice waits over it: the code
    // that showed the notice goes on with a window that still exists, which
    // goes once that code has returned.
    void closedUnderANotice()
    {
        QPointer<frmProge> w = showOwnWindow();
        fillWithDayZero(w);
        whenOpen<frmViga>(this, [w](frmViga *notice) {
            w->close();
            QTimer::singleShot(30, notice, [notice] { notice->Command1->click(); });
        });
        w->controls().cmdArvuta->click();  // day 0: a notice
        QVERIFY(w);  // still there for the code after the notice
        QCOMPARE(w->controls().txtPäev->text(), QString());  // that code ran to its end
        QTRY_VERIFY(w.isNull());
    }

    // The same with the About dialog, and with the system-information message
    // open over the About dialog.
    void closedUnderAbout_data()
    {
        QTest::addColumn<bool>("withMessage");
        QTest::newRow("About dialog") << false;
        QTest::newRow("message over the About dialog") << true;
    }

    void closedUnderAbout()
    {
        QFETCH(bool, withMessage);
        QPointer<frmProge> w = showOwnWindow();
        whenOpen<frmAbout>(this, [this, w, withMessage](frmAbout *about) {
            if (!withMessage) {
                w->close();
                QTimer::singleShot(30, about, [about] { about->cmdOK->click(); });
                return;
            }
            whenOpen<QMessageBox>(this, [w, about](QMessageBox *box) {
                w->close();
                QTimer::singleShot(30, box, [box, about] {
                    box->button(QMessageBox::Ok)->click();
                    QTimer::singleShot(30, about, [about] { about->cmdOK->click(); });
                });
            });
            QTimer::singleShot(0, about, [about] { sysinfo::ShowSysInfoUnavailable(about); });
        });
        w->imgAbout_Click();
        QVERIFY(w);
        QTRY_VERIFY(w.isNull());
    }

    // The session ends (the application quits) while a notice is open: every
    // event loop ends, the code after the notice still finds its window.
    void sessionEndsUnderANotice()
    {
        QApplication::setQuitOnLastWindowClosed(true);
        QPointer<frmProge> w = showOwnWindow();
        fillWithDayZero(w);
        whenOpen<frmViga>(this, [w](frmViga *) { w->close(); });  // the last window: the program quits
        QTimer::singleShot(0, w, [w] { w->controls().cmdArvuta->click(); });
        bool timedOut = false;
        QTimer::singleShot(5000, qApp, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QTRY_VERIFY(w.isNull());
    }

    // Calculate and Clear, 5,000 times with the day and the month typed: the
    // fields keep no undo history and the heap does not grow with the cycles.
    void calculateClearCycles()
    {
        auto w = showWindow();
        fillAllButTheDate(*w);
        const auto cycle = [&w](int i) {
            const QByteArray day = QByteArray::number(10 + i % 18);
            const QByteArray month = QByteArray::number(10 + i % 3);
            QTest::keyClicks(w->controls().txtPäev, QString::fromLatin1(day));
            QTest::keyClicks(w->controls().txtKuu, QString::fromLatin1(month));
            w->controls().cmdArvuta->click();
            w->controls().cmdTühjenda->click();
        };
        // The heap is sampled every 500 cycles after a warm-up; its growth is
        // the least-squares slope through the samples, per cycle.
        constexpr int kCycles = 5000, kWarmUp = 500, kSampleEvery = 500;
        QList<QPointF> samples;
        for (int i = 0; i < kCycles; ++i) {
            cycle(i);
            QVERIFY(w->controls().txtPäev->text().isEmpty());
            if (i + 1 >= kWarmUp && (i + 1) % kSampleEvery == 0) {
                QCoreApplication::processEvents();
                samples.append({double(i + 1), double(heapInUse())});
            }
        }
        double meanX = 0, meanY = 0;
        for (const QPointF &p : samples) {
            meanX += p.x() / double(samples.size());
            meanY += p.y() / double(samples.size());
        }
        double sxy = 0, sxx = 0;
        for (const QPointF &p : samples) {
            sxy += (p.x() - meanX) * (p.y() - meanY);
            sxx += (p.x() - meanX) * (p.x() - meanX);
        }
        const double bytesPerCycle = sxy / sxx;
        const double total = samples.last().y() - samples.first().y();
        qInfo("heap over Calculate/Clear cycles %d to %d: %.0f bytes in all, %.2f bytes a cycle", kWarmUp,
              kCycles, total, bytesPerCycle);
        for (QLineEdit *field : w->inputFields()) {
            QVERIFY2(!field->isUndoAvailable(), qPrintable(field->objectName()));
            QVERIFY2(!field->isRedoAvailable(), qPrintable(field->objectName()));
        }
        // Undo steps kept by every Clear come to 200 to 350 bytes a cycle. What
        // is left is the allocator's and the toolkit's caches settling (a few
        // bytes a cycle, less the longer it runs).
        QVERIFY2(bytesPerCycle < 40, qPrintable(QString::number(bytesPerCycle)));
    }
};

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
