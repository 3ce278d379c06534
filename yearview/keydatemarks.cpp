// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/keydatemarks.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <algorithm>

#include "yearview/keydatestab.h"

namespace yearview {

namespace {

using namespace Qt::StringLiterals;
using Kind = almanac::KeyDateKind;

constexpr double kTickLength = 7;
constexpr double kLabelScale = 0.85;  // of the chart's font
const QColor kMarkColor{255, 255, 255};
const QColor kLabelBackground{0, 0, 0, 140};

struct Mark {
    double date;  // on the chart's date axis: the row's index plus the time of day
    QString label;
};

struct Bracket {
    double from, to;
};

// A label on a dark backing, so that it reads on the night and on the day.
QGraphicsRectItem *label(QChart *chart, const QString &text)
{
    auto *backing = new QGraphicsRectItem(chart);
    backing->setPen(Qt::NoPen);
    backing->setBrush(kLabelBackground);
    auto *item = new QGraphicsSimpleTextItem(text, backing);
    QFont font = chart->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * kLabelScale);
    else
        font.setPixelSize(std::max(1, int(font.pixelSize() * kLabelScale)));
    item->setFont(font);
    item->setBrush(kMarkColor);
    const QRectF bounds = item->boundingRect();
    backing->setRect(bounds.adjusted(-2, 0, 2, 0));
    backing->setZValue(10);
    return backing;
}

QGraphicsLineItem *line(QChart *chart)
{
    auto *item = new QGraphicsLineItem(chart);
    item->setPen(QPen(kMarkColor, 1.5));
    item->setZValue(10);
    return item;
}

}  // namespace

void addKeyDateMarks(QChart *chart, const YearData &data)
{
    std::vector<Mark> marks;
    std::vector<Bracket> brackets;
    std::optional<double> bracketStart;
    for (const almanac::KeyDate &key : data.keyDates) {
        const int row = keyDateRow(data, key);
        if (row < 0)
            continue;
        if (key.kind == Kind::WhiteNightsBegin)
            bracketStart = row;
        else if (key.kind == Kind::WhiteNightsEnd) {
            // The night after the last date ends with the next one.
            brackets.push_back({bracketStart.value_or(0), double(row + 1)});
            bracketStart.reset();
        }
        const QString text = keyDateTickLabel(data, key);
        if (!text.isEmpty()) {
            const QTime time = keyDateClock(data, key).time();
            marks.push_back({row + time.msecsSinceStartOfDay() / 86400000.0, text});
        }
    }
    // White nights that run past the year's end.
    if (bracketStart)
        brackets.push_back({*bracketStart, double(data.rows.size())});

    struct Placed {
        QGraphicsLineItem *tick;
        QGraphicsRectItem *text;
        double date;
    };
    std::vector<Placed> ticks;
    for (const Mark &mark : marks)
        ticks.push_back({line(chart), label(chart, mark.label), mark.date});
    struct PlacedBracket {
        QGraphicsLineItem *top, *left, *right;
        QGraphicsRectItem *text;
        Bracket span;
    };
    std::vector<PlacedBracket> placedBrackets;
    for (const Bracket &bracket : brackets)
        placedBrackets.push_back(
            {line(chart), line(chart), line(chart), label(chart, u"valged ööd"_s), bracket});

    const auto place = [chart, ticks, placedBrackets](const QRectF &plot) {
        if (chart->series().isEmpty())
            return;
        QAbstractSeries *series = chart->series().first();
        const auto xAt = [&](double date) { return chart->mapToPosition(QPointF(date, 0), series).x(); };
        // Labels stand just above the axis, a second row up where the first is taken.
        std::vector<double> rowEnds(2, -1e9);
        for (const Placed &p : ticks) {
            const double x = xAt(p.date);
            p.tick->setLine(x, plot.bottom() - kTickLength, x, plot.bottom() + kTickLength / 2);
            const QRectF box = p.text->rect();
            const double left = x - box.width() / 2;
            std::size_t row = 0;
            while (row + 1 < rowEnds.size() && left < rowEnds[row])
                ++row;
            rowEnds[row] = left + box.width() + 2;
            p.text->setPos(left - box.left(),
                           plot.bottom() - kTickLength - 1 - box.height() * double(row + 1) - box.top());
        }
        for (const PlacedBracket &b : placedBrackets) {
            const double from = xAt(b.span.from), to = xAt(b.span.to), y = plot.top() + 4;
            b.top->setLine(from, y, to, y);
            b.left->setLine(from, y, from, y + kTickLength);
            b.right->setLine(to, y, to, y + kTickLength);
            const QRectF box = b.text->rect();
            b.text->setPos((from + to) / 2 - box.width() / 2 - box.left(), y + 2 - box.top());
        }
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
    place(chart->plotArea());
}

}  // namespace yearview
