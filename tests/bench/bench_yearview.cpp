// SPDX-License-Identifier: GPL-3.0-or-later
// How long the year overview takes to open for a place-year: the computation,
// building the charts and the table, the first layout and paint.
#include <QApplication>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

#include "yearview/frmAasta.h"

namespace {

// Tallinn, Kesklinn, 2026, observed on 21 June.
yearview::YearRequest tallinn2026()
{
    yearview::YearRequest r;
    r.observation = {21, 6, 2026, 59, 26, 0, 24, 44, 45, 6, false};
    r.place = {solar::DecimalLatitude(r.observation), solar::DecimalLongitude(r.observation), 6};
    r.year = 2026;
    r.placeName = QStringLiteral("Tallinn, Kesklinn");
    r.placeListText = QStringLiteral("-- Kesklinn");
    return r;
}

}  // namespace

class bench_yearview : public QObject
{
    Q_OBJECT

private slots:
    void openOverview();
    void computeYear();
    void showAnotherYear();
    void switchYear();
};

// What the user waits for: a new window, the place-year computed, both charts
// and the table built, shown, laid out and painted once.
void bench_yearview::openOverview()
{
    const yearview::YearRequest request = tallinn2026();
    QBENCHMARK
    {
        frmAasta w(nullptr);
        w.ShowYear(request);
        w.show();
        QApplication::processEvents();
        w.repaint();
    }
}

// The computation alone: the precise events, the legal clock and the window's
// own approximation for 365 dates.
void bench_yearview::computeYear()
{
    const yearview::YearRequest request = tallinn2026();
    const yearview::OverviewClock clock = yearview::overviewClock();
    std::size_t rows = 0;
    QBENCHMARK { rows = yearview::computeYear(request, clock).rows.size(); }
    QCOMPARE(rows, std::size_t(365));
}

// A second request to the open window: a new place-year and its repaint.
void bench_yearview::showAnotherYear()
{
    frmAasta w(nullptr);
    w.show();
    yearview::YearRequest request = tallinn2026();
    int year = 2026;
    QBENCHMARK
    {
        request.year = year;
        request.observation.year = std::int16_t(year);
        w.ShowYear(request);
        w.repaint();
        year = year == 2026 ? 2027 : 2026;
    }
    QVERIFY(!w.lblNäit->text().isEmpty());
}

// The user steps to another year in the open window: the place-year and its
// key dates computed, the charts, the table and the key dates rebuilt and
// painted.
void bench_yearview::switchYear()
{
    frmAasta w(nullptr);
    w.ShowYear(tallinn2026());
    w.show();
    QApplication::processEvents();
    auto *year = w.findChild<QSpinBox *>(QStringLiteral("spnAasta"));
    QVERIFY(year);
    QBENCHMARK
    {
        year->setValue(year->value() == 2026 ? 2027 : 2026);
        w.repaint();
    }
    QVERIFY(!w.data().keyDates.empty());
}

QTEST_MAIN(bench_yearview)
#include "bench_yearview.moc"
