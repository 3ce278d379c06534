// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yearchart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSize>
#include <QValueAxis>
#include <algorithm>

#include "yearview/keydatemarks.h"
#include "yearview/sunlight.h"

namespace {

using namespace Qt::StringLiterals;
using yearview::DayRow;
using yearview::Sky;

// From the night to the day, each shade painted over the darker one.
const QColor kNight{12, 20, 48};
const QColor kShade[yearview::kThresholdCount]
    = {{34, 52, 102}, {64, 96, 156}, {122, 158, 212}, {255, 244, 200}};
const QString kShadeName[yearview::kThresholdCount]
    = {u"astronoomiline hämarik"_s, u"navigatsiooniline hämarik"_s, u"tsiviilhämarik"_s, u"päev"_s};
const QColor kSunrise{230, 120, 0}, kNoon{150, 110, 0}, kSunset{200, 30, 30};

// The interval of one date during which the Sun stands above a threshold,
// clipped to the date's 24 hours; a period that runs past midnight is
// continued on the next date by the spill-over band.
struct Interval {
    double from, to;
};

Interval aboveThreshold(const DayRow &row, int k)
{
    const auto &noon = row.clockHours[std::size_t(almanac::Event::SolarNoon)];
    switch (row.sky[std::size_t(k)]) {
    case Sky::AboveAllDay: return {0, 24};
    case Sky::BelowAllDay: {
        const double middle = noon ? std::clamp(*noon, 0.0, 24.0) : 12.0;
        return {middle, middle};
    }
    case Sky::Crosses: break;
    }
    const auto &from = row.clockHours[std::size_t(yearview::kRising[std::size_t(k)])];
    const auto &to = row.clockHours[std::size_t(yearview::kSetting[std::size_t(k)])];
    return {from ? std::clamp(*from, 0.0, 24.0) : 0.0, to ? std::clamp(*to, 0.0, 24.0) : 24.0};
}

// The part of the previous date's period that runs past midnight.
double spillOver(const DayRow *previous, int k)
{
    if (!previous || previous->sky[std::size_t(k)] != Sky::Crosses)
        return 0;
    const auto &to = previous->clockHours[std::size_t(yearview::kSetting[std::size_t(k)])];
    return to && *to > 24 ? std::min(*to - 24, 24.0) : 0;
}

// Labels every `step` months, each centred on its span; the last span ends
// with the year.
void setMonthCategories(QCategoryAxis *axis, const yearview::YearData &data, int step)
{
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    int first = 1;
    for (std::size_t i = 0; i < data.rows.size(); ++i) {
        const QDate &date = data.rows[i].date;
        const bool last = i + 1 == data.rows.size();
        if (date.day() == date.daysInMonth() && (date.month() - first + 1 == step || last)) {
            axis->append(yearview::monthAbbreviation(first), double(i + 1));
            first = date.month() + 1;
        }
    }
}

QCategoryAxis *monthAxis(const yearview::YearData &data)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    axis->setRange(0, double(data.rows.size()));
    setMonthCategories(axis, data, 1);
    axis->setGridLineVisible(true);
    return axis;
}

// As the plot shrinks, fewer and wider month spans and fewer hours, so that
// no label has to be cut short.
void fitAxesToPlot(QChart *chart, QCategoryAxis *months, QValueAxis *hours, const yearview::YearData &data)
{
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [=, &data](const QRectF &plot) {
        const QFontMetrics metrics(months->labelsFont());
        int widest = 0;
        for (int m = 1; m <= 12; ++m)
            widest = std::max(widest, metrics.horizontalAdvance(yearview::monthAbbreviation(m)));
        int step = 12;
        for (const int candidate : {1, 2, 3, 4, 6}) {
            if (plot.width() * candidate / 12 >= widest + metrics.height() * 0.5) {
                step = candidate;
                break;
            }
        }
        if (months->property("monthStep").toInt() != step) {
            months->setProperty("monthStep", step);
            setMonthCategories(months, data, step);
        }
        const int maxTicks = hours->property("maxTicks").toInt();
        int ticks = 3;
        for (const int candidate : {9, 7, 5}) {
            if (candidate <= maxTicks && plot.height() / (candidate - 1) >= metrics.height() * 1.5) {
                ticks = candidate;
                break;
            }
        }
        if (hours->tickCount() != ticks)
            hours->setTickCount(ticks);
    });
}

void placeLegend(QChart *chart)
{
    chart->legend()->setAlignment(Qt::AlignRight);
    // A line's entry is drawn as a piece of that line, dashed where it is dashed.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
}

// The legend's widest entry: its text, the sample beside it and the padding.
int legendWidth(QChart *chart)
{
    const QFontMetrics metrics(chart->legend()->font());
    int widest = 0;
    for (QLegendMarker *marker : chart->legend()->markers())
        if (marker->isVisible())
            widest = std::max(widest, metrics.horizontalAdvance(marker->label()));
    return widest + metrics.height() * 7;
}

QValueAxis *hourAxis(const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setRange(0, 24);
    axis->setTickCount(9);
    axis->setProperty("maxTicks", 9);
    axis->setLabelFormat(u"%02.0f:00"_s);
    axis->setTitleText(title);
    return axis;
}

void attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// A shaded band's entry is a swatch of its colour.
void attachBand(QChart *chart, QAreaSeries *band, const QColor &color, QAbstractAxis *x, QAbstractAxis *y)
{
    band->setColor(color);
    band->setBorderColor(color);
    band->setPen(Qt::NoPen);
    attach(chart, band, x, y);
    for (QLegendMarker *marker : chart->legend()->markers(band)) {
        marker->setShape(QLegend::MarkerShapeRectangle);
        marker->setBrush(color);
        marker->setPen(QPen(Qt::darkGray, 1));
    }
}

void hideFromLegend(QChart *chart, QAbstractSeries *series)
{
    for (QLegendMarker *marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

// One curve, broken where its value is missing: a series per unbroken run,
// only the first one named in the legend.
void addCurve(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, const QString &name, const QPen &pen,
              const std::vector<std::optional<double>> &values)
{
    bool named = false;
    QList<QPointF> run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        auto *series = new QLineSeries;
        series->setName(name);
        series->setPen(pen);
        series->replace(run);
        attach(chart, series, x, y);
        if (named)
            hideFromLegend(chart, series);
        for (QLegendMarker *marker : chart->legend()->markers(series))
            marker->setPen(pen);
        named = true;
        run.clear();
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i])
            run.append({double(i) + 0.5, *values[i]});
        else
            flush();
    }
    flush();
}

QLineSeries *verticalLine(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, const QPen &pen, double at)
{
    auto *series = new QLineSeries;
    series->setPen(pen);
    series->replace({{at, 0}, {at, 24}});
    attach(chart, series, x, y);
    hideFromLegend(chart, series);
    return series;
}

// The line of the date pointed at: dark with a light edge, so that it shows on
// the night and on the day alike.
void addMarker(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, std::vector<QLineSeries *> &markers)
{
    markers.push_back(verticalLine(chart, x, y, QPen(QColor(255, 255, 255, 220), 4), 0.5));
    markers.push_back(verticalLine(chart, x, y, QPen(QColor(20, 20, 20), 2), 0.5));
}

// The golden and the blue light as bands over the twilights, hidden until
// asked for. A date may hold several spans of one light (the evening's blue
// hour past midnight lands on the next date): the first span of every date
// makes one band, the second another, and so on; only the first is named in
// the legend.
void addLightBands(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, const yearview::YearData &data)
{
    const struct {
        bool golden;
        QString name;
        QColor color;
    } lights[] = {{true, u"kuldne tund"_s, QColor(255, 176, 0, 170)},
                  {false, u"sinine tund"_s, QColor(24, 56, 200, 190)}};
    const std::size_t n = data.rows.size();
    for (const auto &light : lights) {
        std::vector<std::vector<yearview::HourSpan>> spans(n);
        for (std::size_t i = 0; i < n; ++i) {
            for (const yearview::HourSpan &span :
                 yearview::lightSpans(data.rows[i], data.days[i].noonAltitudeDegrees, light.golden)) {
                if (span.from < 24)
                    spans[i].push_back({std::max(span.from, 0.0), std::min(span.to, 24.0)});
                if (span.to > 24 && i + 1 < n)
                    spans[i + 1].push_back({std::max(span.from - 24, 0.0), std::min(span.to - 24, 24.0)});
            }
        }
        std::size_t layers = 0;
        for (auto &date : spans) {
            std::sort(date.begin(), date.end(), [](const auto &a, const auto &b) { return a.from < b.from; });
            layers = std::max(layers, date.size());
        }
        for (std::size_t layer = 0; layer < layers; ++layer) {
            auto *lower = new QLineSeries(chart);
            auto *upper = new QLineSeries(chart);
            for (std::size_t i = 0; i < n; ++i) {
                const yearview::HourSpan span
                    = layer < spans[i].size() ? spans[i][layer] : yearview::HourSpan{12, 12};
                for (double xAt : {double(i), double(i) + 1}) {
                    lower->append(xAt, span.from);
                    upper->append(xAt, span.to);
                }
            }
            auto *band = new QAreaSeries(upper, lower);
            band->setName(light.name);
            band->setProperty("lightBand", layer == 0 ? u"legend"_s : u"unnamed"_s);
            attachBand(chart, band, light.color, x, y);
            band->setVisible(false);
        }
    }
}

// Today, where the year shown is this year.
void addToday(QChart *chart, QAbstractAxis *x, QAbstractAxis *y, const yearview::YearData &data)
{
    const QDate today = QDate::currentDate();
    if (data.rows.empty() || data.rows.front().date.year() != today.year())
        return;
    for (std::size_t i = 0; i < data.rows.size(); ++i) {
        if (data.rows[i].date != today)
            continue;
        QLineSeries *line
            = verticalLine(chart, x, y, QPen(QColor(20, 170, 90), 2, Qt::DashDotLine), double(i) + 0.5);
        line->setName(u"täna"_s);
        for (QLegendMarker *marker : chart->legend()->markers(line))
            marker->setVisible(true);
    }
}

}  // namespace

void yearview::setLightBandsVisible(QChart *chart, bool visible)
{
    for (QAbstractSeries *series : chart->series()) {
        const QString band = series->property("lightBand").toString();
        if (band.isEmpty())
            continue;
        series->setVisible(visible);
        // A series shown again shows its legend entry: only the first band of each light has one.
        if (band != u"legend"_s)
            hideFromLegend(chart, series);
    }
}

QChartView *yearview::chartView(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *view = new QChartView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setRubberBand(QChartView::NoRubberBand);
    view->viewport()->setMouseTracking(true);
    // The view takes the focus itself; a viewport that passes it on would be
    // reported as focused beside the view.
    view->viewport()->setFocusProxy(nullptr);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    return view;
}

QChart *yearview::yearChart(const YearData &data, int observationIndex, std::vector<QLineSeries *> &markers)
{
    auto *chart = new QChart;
    chart->setTitle(yearview::chartTitle(data));
    chart->setPlotAreaBackgroundBrush(kNight);
    chart->setPlotAreaBackgroundVisible(true);
    placeLegend(chart);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QCategoryAxis *x = monthAxis(data);
    QValueAxis *y = hourAxis(u"kellaaeg"_s);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    fitAxesToPlot(chart, x, y, data);

    // The plot's background is the night; it gets its entry in the legend.
    auto *night = new QAreaSeries(new QLineSeries(chart));
    night->setName(u"öö"_s);
    attachBand(chart, night, kNight, x, y);

    const std::size_t n = data.rows.size();
    for (int k = 0; k < yearview::kThresholdCount; ++k) {
        QList<QPointF> low, high, spillHigh, spillLow;
        for (std::size_t i = 0; i < n; ++i) {
            // Each date fills its own width: points at both its edges.
            const Interval interval = aboveThreshold(data.rows[i], k);
            const double spill = spillOver(i > 0 ? &data.rows[i - 1] : nullptr, k);
            for (double xAt : {double(i), double(i) + 1}) {
                low.append({xAt, interval.from});
                high.append({xAt, interval.to});
                spillLow.append({xAt, 0});
                spillHigh.append({xAt, spill});
            }
        }
        const auto addBand = [&](const QList<QPointF> &lower, const QList<QPointF> &upper, bool named) {
            auto *lowerSeries = new QLineSeries(chart);
            lowerSeries->replace(lower);
            auto *upperSeries = new QLineSeries(chart);
            upperSeries->replace(upper);
            auto *band = new QAreaSeries(upperSeries, lowerSeries);
            band->setName(kShadeName[k]);
            attachBand(chart, band, kShade[k], x, y);
            if (!named)
                hideFromLegend(chart, band);
        };
        addBand(low, high, true);
        addBand(spillLow, spillHigh, false);
    }
    addLightBands(chart, x, y, data);

    const auto values = [&](almanac::Event event) {
        std::vector<std::optional<double>> v(n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = data.rows[i].clockHours[std::size_t(event)];
        return v;
    };
    addCurve(chart, x, y, u"päikesetõus"_s, QPen(kSunrise, 2), values(almanac::Event::Sunrise));
    addCurve(chart, x, y, u"keskpäev"_s, QPen(kNoon, 2), values(almanac::Event::SolarNoon));
    addCurve(chart, x, y, u"päikeseloojang"_s, QPen(kSunset, 2), values(almanac::Event::Sunset));

    std::vector<std::optional<double>> approxRise(n), approxSet(n);
    for (std::size_t i = 0; i < n; ++i) {
        approxRise[i] = data.rows[i].approxSunriseHours;
        approxSet[i] = data.rows[i].approxSunsetHours;
    }
    QPen dashedRise(kSunrise.darker(140), 1.5, Qt::DashLine),
        dashedSet(kSunset.darker(140), 1.5, Qt::DashLine);
    addCurve(chart, x, y, u"ligikaudne tõus (põhiaken)"_s, dashedRise, approxRise);
    addCurve(chart, x, y, u"ligikaudne loojang (põhiaken)"_s, dashedSet, approxSet);

    QLineSeries *observation
        = verticalLine(chart, x, y, QPen(QColor(220, 0, 120), 2), double(observationIndex) + 0.5);
    observation->setName(u"vaatluse kuupäev"_s);
    for (QLegendMarker *marker : chart->legend()->markers(observation))
        marker->setVisible(true);
    addToday(chart, x, y, data);
    addKeyDateMarks(chart, data);
    addMarker(chart, x, y, markers);
    return chart;
}

QChart *yearview::dayLengthChart(const YearData &data, std::vector<QLineSeries *> &markers)
{
    auto *chart = new QChart;
    chart->setTitle(u"Päeva pikkus"_s);
    placeLegend(chart);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QCategoryAxis *x = monthAxis(data);
    QValueAxis *y = hourAxis(u"tundi"_s);
    y->setTickCount(5);
    y->setProperty("maxTicks", 5);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    fitAxesToPlot(chart, x, y, data);
    std::vector<std::optional<double>> hours(data.rows.size());
    for (std::size_t i = 0; i < hours.size(); ++i)
        hours[i] = data.rows[i].dayLengthSeconds / 3600.0;
    addCurve(chart, x, y, u"päeva pikkus"_s, QPen(kSunrise, 2), hours);
    addMarker(chart, x, y, markers);
    return chart;
}

void yearview::alignLegends(const std::vector<QChart *> &charts)
{
    int width = 0;
    for (QChart *chart : charts)
        width = std::max(width, legendWidth(chart));
    for (QChart *chart : charts) {
        chart->legend()->setMinimumWidth(width);
        chart->legend()->setMaximumWidth(width);
    }
}

QSize yearview::minimumChartSize(QChart *chart)
{
    const QFontMetrics legend(chart->legend()->font());
    const QFontMetrics title(chart->titleFont());
    int entries = 0;
    for (QLegendMarker *marker : chart->legend()->markers())
        entries += marker->isVisible() ? 1 : 0;
    // An entry is a line of text with some room above and below.
    const int legendHeight = entries * (legend.height() + legend.height() / 2 + 2) + legend.height();
    const int height = title.height() * 2 + std::max(legendHeight, legend.height() * 8) + legend.height() * 2;
    const int width = int(chart->legend()->maximumWidth()) + legend.horizontalAdvance(u"00:00"_s) * 2
        + title.horizontalAdvance(chart->title()) / 2;
    return {width, height};
}
