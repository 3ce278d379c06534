// SPDX-License-Identifier: GPL-3.0-or-later
// How long the main window takes to be built and shown, and one calculation.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/frmProge.h"
#include "solar/observation.h"
#include "solar/results.h"
#include "tests/bench/example.h"

class bench_window : public QObject
{
    Q_OBJECT

private slots:
    void constructAndShow();
    void computeResults();
    void computeResultsPure();
};

// Building every control, filling the region list, the first layout and the
// first paint.
void bench_window::constructAndShow()
{
    QBENCHMARK
    {
        frmProge w;
        w.endProgram = [](int) {};
        w.show();
        QApplication::processEvents();
    }
}

// Reading the ten fields, the computation and writing 23 labels. The day
// alternates between the 21st and the 22nd so that the labels get new texts
// on every pass (a label given its own text again does nothing); the day
// field's change handling is measured with it.
void bench_window::computeResults()
{
    frmProge w;
    w.endProgram = [](int) {};
    w.show();
    fillTallinnMidsummer2003(w);
    QVERIFY(w.controls().cmdArvuta->isEnabled());
    QLineEdit *day = w.controls().txtPäev;
    QBENCHMARK
    {
        day->setText(day->text() == QStringLiteral("21") ? QStringLiteral("22") : QStringLiteral("21"));
        w.ComputeResults();
    }
    day->setText(QStringLiteral("21"));
    w.ComputeResults();
    QCOMPARE(w.controls().lblPäev_Nädal->text(), QStringLiteral("172 / 25"));
}

// The computation alone, without the window: what ComputeResults asks of the
// pure code.
void bench_window::computeResultsPure()
{
    const std::array<std::string_view, 10> texts
        = {"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"};
    std::string sunrise;
    QBENCHMARK
    {
        const auto obs = solar::ReadObservation(texts);
        const solar::DayResults day = solar::ComputeDayResults(*obs, ",");
        const auto rise
            = solar::ComputeColumn(1, day.dayOfYear, day.latitude, day.longitude, 0, day.horizonSine);
        const auto set
            = solar::ComputeColumn(2, day.dayOfYear, day.latitude, day.longitude, 0, day.horizonSine);
        sunrise = rise.texts[8] + set.texts[8];
    }
    QCOMPARE(QString::fromStdString(sunrise), QStringLiteral("03:59:5322:43:53"));
}

QTEST_MAIN(bench_window)
#include "bench_window.moc"
