// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/frmAasta.h"

#include <QAccessible>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "shell/notice.h"
#include "shell/twips.h"
#include "yearview/yeartable.h"

namespace {

using namespace Qt::StringLiterals;
using yearview::DayRow;
using yearview::Sky;

// The window's first size: 15000 x 10500 twips.
constexpr int kWidthTwips = 15000, kHeightTwips = 10500;

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

QCategoryAxis *monthAxis(const yearview::YearData &data)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    axis->setRange(0, double(data.rows.size()));
    for (std::size_t i = 0; i < data.rows.size(); ++i) {
        const QDate &date = data.rows[i].date;
        if (date.day() == date.daysInMonth())
            axis->append(yearview::monthAbbreviation(date.month()), double(i + 1));
    }
    axis->setGridLineVisible(true);
    return axis;
}

// Both charts keep their legends in a column of the same width on the right,
// so that their plot areas (and dates) line up.
constexpr int kLegendWidthTwips = 3000;

void placeLegend(QChart *chart)
{
    const int width = twipsToPixels(kLegendWidthTwips);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setMinimumWidth(width);
    chart->legend()->setMaximumWidth(width);
}

QValueAxis *hourAxis(const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setRange(0, 24);
    axis->setTickCount(9);
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

QChartView *chartView(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *view = new QChartView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setRubberBand(QChartView::NoRubberBand);
    view->viewport()->setMouseTracking(true);
    return view;
}

}  // namespace

frmAasta::frmAasta(QWidget *owner)
    : QDialog(owner)
    , askSavePath([this](const QString &caption, const QString &suggested, const QString &filter) {
        return QFileDialog::getSaveFileName(this, caption, suggested, filter);
    })
{
    setObjectName(u"frmAasta"_s);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    buildLayout();
    resize(toPixels(kWidthTwips, kHeightTwips));
    // The overview belongs to the main window: it closes when that closes.
    if (owner)
        owner->installEventFilter(this);
}

frmAasta::~frmAasta()
{
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
}

void frmAasta::buildLayout()
{
    tabAasta = new QTabWidget(this);
    tabAasta->setObjectName(u"tabAasta"_s);
    tabAasta->setAccessibleName(u"Ülevaate vaated"_s);

    auto *pageChart = new QWidget;
    pageChart->setObjectName(u"tabGraafik"_s);
    fraGraafik = new QWidget(pageChart);
    fraGraafik->setObjectName(u"fraGraafik"_s);
    chtAasta = chartView(fraGraafik, u"chtAasta"_s,
                         u"Aasta graafik: koit, päikesetõus, keskpäev, loojang, hämarik"_s);
    chtPäevaPikkus = chartView(fraGraafik, u"chtPäevaPikkus"_s, u"Päeva pikkuse graafik"_s);
    auto *charts = new QVBoxLayout(fraGraafik);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(chtAasta, 2);
    charts->addWidget(chtPäevaPikkus, 1);

    lblNäit = new QLabel(pageChart);
    lblNäit->setObjectName(u"lblNäit"_s);
    lblNäit->setWordWrap(true);
    lblNäit->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNäit->setAccessibleName(u"Valitud päev"_s);
    lblNäit->setMinimumHeight(toPixels(0, 600).height());
    auto *pageLayout = new QVBoxLayout(pageChart);
    pageLayout->addWidget(fraGraafik, 1);
    pageLayout->addWidget(lblNäit);
    tabAasta->addTab(pageChart, u"&Graafik"_s);

    tblAasta = new QTableView;
    tblAasta->setObjectName(u"tblAasta"_s);
    tblAasta->setAccessibleName(u"Aasta tabel"_s);
    tblAasta->setAlternatingRowColors(true);
    tblAasta->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblAasta->setTabKeyNavigation(false);
    tblAasta->setSelectionMode(QAbstractItemView::SingleSelection);
    tblAasta->verticalHeader()->setDefaultSectionSize(tblAasta->fontMetrics().height() + 6);
    model_ = new YearTableModel(this);
    tblAasta->setModel(model_);
    // Every row of a column is as wide as its first ones: measuring all 365
    // would cost more than the rest of opening the window.
    tblAasta->horizontalHeader()->setResizeContentsPrecision(20);
    tblAasta->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabAasta->addTab(tblAasta, u"&Tabel"_s);

    cmdSalvestaTabel = new QPushButton(u"Salvesta ta&bel..."_s, this);
    cmdSalvestaTabel->setObjectName(u"cmdSalvestaTabel"_s);
    cmdSalvestaTabel->setAccessibleName(u"Salvesta tabel"_s);
    cmdSalvestaTabel->setAccessibleDescription(u"Kirjutab aasta tabeli CSV-failina"_s);
    cmdSalvestaPilt = new QPushButton(u"Salvesta &pilt..."_s, this);
    cmdSalvestaPilt->setObjectName(u"cmdSalvestaPilt"_s);
    cmdSalvestaPilt->setAccessibleName(u"Salvesta pilt"_s);
    cmdSalvestaPilt->setAccessibleDescription(u"Kirjutab graafikud PNG- või SVG-failina"_s);
    cmdSulge = new QPushButton(u"&Sulge"_s, this);
    cmdSulge->setObjectName(u"cmdSulge"_s);
    cmdSulge->setAccessibleName(u"Sulge"_s);
    for (QPushButton *button : {cmdSalvestaTabel, cmdSalvestaPilt, cmdSulge})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSalvestaTabel);
    buttons->addWidget(cmdSalvestaPilt);
    buttons->addWidget(cmdSulge);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabAasta, 1);
    layout->addLayout(buttons);

    for (QChartView *view : {chtAasta, chtPäevaPikkus}) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }
    connect(cmdSalvestaTabel, &QPushButton::clicked, this, &frmAasta::cmdSalvestaTabel_Click);
    connect(cmdSalvestaPilt, &QPushButton::clicked, this, &frmAasta::cmdSalvestaPilt_Click);
    connect(cmdSulge, &QPushButton::clicked, this, &QDialog::close);
    // The table's current row and the charts' marker are the same date.
    connect(tblAasta->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    SetMarker(current.row());
            });
}

void frmAasta::ShowYear(const yearview::YearRequest &request)
{
    data_ = yearview::computeYear(request, yearview::overviewClock());
    setWindowTitle(yearview::titleText(request));
    model_->setYear(&data_);

    observationIndex_ = 0;
    for (std::size_t i = 0; i < data_.rows.size(); ++i) {
        const QDate &date = data_.rows[i].date;
        if (date.day() == request.observation.day && date.month() == request.observation.month)
            observationIndex_ = int(i);
    }
    markers_.clear();
    buildYearChart();
    buildDayLengthChart();
    marker_ = -1;
    SetMarker(observationIndex_);
}

void frmAasta::buildYearChart()
{
    auto *chart = new QChart;
    chart->setTitle(u"Päikese aeg seadusliku kella järgi"_s);
    chart->setPlotAreaBackgroundBrush(kNight);
    chart->setPlotAreaBackgroundVisible(true);
    placeLegend(chart);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QCategoryAxis *x = monthAxis(data_);
    QValueAxis *y = hourAxis(u"kellaaeg"_s);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    const std::size_t n = data_.rows.size();
    for (int k = 0; k < yearview::kThresholdCount; ++k) {
        QList<QPointF> low, high, spillHigh, spillLow;
        for (std::size_t i = 0; i < n; ++i) {
            // Each date fills its own width: points at both its edges.
            const Interval interval = aboveThreshold(data_.rows[i], k);
            const double spill = spillOver(i > 0 ? &data_.rows[i - 1] : nullptr, k);
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
            band->setColor(kShade[k]);
            band->setBorderColor(kShade[k]);
            band->setPen(Qt::NoPen);
            attach(chart, band, x, y);
            if (!named)
                hideFromLegend(chart, band);
        };
        addBand(low, high, true);
        addBand(spillLow, spillHigh, false);
    }

    const auto values = [&](almanac::Event event) {
        std::vector<std::optional<double>> v(n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = data_.rows[i].clockHours[std::size_t(event)];
        return v;
    };
    addCurve(chart, x, y, u"päikesetõus"_s, QPen(kSunrise, 2), values(almanac::Event::Sunrise));
    addCurve(chart, x, y, u"keskpäev"_s, QPen(kNoon, 2), values(almanac::Event::SolarNoon));
    addCurve(chart, x, y, u"päikeseloojang"_s, QPen(kSunset, 2), values(almanac::Event::Sunset));

    std::vector<std::optional<double>> approxRise(n), approxSet(n);
    for (std::size_t i = 0; i < n; ++i) {
        approxRise[i] = data_.rows[i].approxSunriseHours;
        approxSet[i] = data_.rows[i].approxSunsetHours;
    }
    QPen dashedRise(kSunrise.darker(140), 1, Qt::DashLine), dashedSet(kSunset.darker(140), 1, Qt::DashLine);
    addCurve(chart, x, y, u"tõus akna arvutuses"_s, dashedRise, approxRise);
    addCurve(chart, x, y, u"loojang akna arvutuses"_s, dashedSet, approxSet);

    QLineSeries *observation
        = verticalLine(chart, x, y, QPen(QColor(220, 0, 120), 2), double(observationIndex_) + 0.5);
    observation->setName(u"vaatluse kuupäev"_s);
    for (QLegendMarker *marker : chart->legend()->markers(observation))
        marker->setVisible(true);
    markers_.push_back(verticalLine(chart, x, y, QPen(Qt::white, 1, Qt::DotLine), 0.5));

    QChart *old = chtAasta->chart();
    chtAasta->setChart(chart);
    if (old != chart)
        delete old;
}

void frmAasta::buildDayLengthChart()
{
    auto *chart = new QChart;
    chart->setTitle(u"Päeva pikkus"_s);
    placeLegend(chart);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QCategoryAxis *x = monthAxis(data_);
    QValueAxis *y = hourAxis(u"tunde"_s);
    y->setTickCount(5);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    std::vector<std::optional<double>> hours(data_.rows.size());
    for (std::size_t i = 0; i < hours.size(); ++i)
        hours[i] = data_.rows[i].dayLengthSeconds / 3600.0;
    addCurve(chart, x, y, u"päeva pikkus"_s, QPen(kSunrise, 2), hours);
    markers_.push_back(verticalLine(chart, x, y, QPen(Qt::darkGray, 1, Qt::DotLine), 0.5));

    QChart *old = chtPäevaPikkus->chart();
    chtPäevaPikkus->setChart(chart);
    if (old != chart)
        delete old;
}

void frmAasta::SetMarker(int index)
{
    if (data_.rows.empty())
        return;
    index = std::clamp(index, 0, int(data_.rows.size()) - 1);
    if (index == marker_)
        return;
    marker_ = index;
    for (QLineSeries *line : markers_)
        line->replace({{index + 0.5, 0}, {index + 0.5, 24}});
    if (tblAasta->currentIndex().row() != index)
        tblAasta->setCurrentIndex(model_->index(index, 0));
    const QString text = yearview::readoutText(data_, index);
    lblNäit->setText(text);
    // A screen reader on the chart hears the date it moves to.
    for (QChartView *view : {chtAasta, chtPäevaPikkus}) {
        view->setAccessibleDescription(text);
        QAccessibleEvent changed(view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    QAccessibleEvent changed(lblNäit, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

bool frmAasta::chartKey(int key)
{
    const QDate date = data_.rows[std::size_t(marker_)].date;
    switch (key) {
    case Qt::Key_Left: SetMarker(marker_ - 1); return true;
    case Qt::Key_Right: SetMarker(marker_ + 1); return true;
    // A page is a month: the same day of the month before or after.
    case Qt::Key_PageUp: SetMarker(date.month() == 1 ? 0 : date.addMonths(-1).dayOfYear() - 1); return true;
    case Qt::Key_PageDown:
        SetMarker(date.month() == 12 ? int(data_.rows.size()) - 1 : date.addMonths(1).dayOfYear() - 1);
        return true;
    case Qt::Key_Home: SetMarker(0); return true;
    case Qt::Key_End: SetMarker(int(data_.rows.size()) - 1); return true;
    default: return false;
    }
}

void frmAasta::pointAt(QChartView *view, const QPoint &position)
{
    QChart *chart = view->chart();
    if (!chart || data_.rows.empty())
        return;
    const QPointF inChart = chart->mapFromScene(view->mapToScene(position));
    if (!chart->plotArea().contains(inChart))
        return;
    SetMarker(int(std::floor(chart->mapToValue(inChart).x())));
}

bool frmAasta::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Close)
            close();
        return false;
    }
    for (QChartView *view : {chtAasta, chtPäevaPikkus}) {
        if (watched == view && event->type() == QEvent::KeyPress && !data_.rows.empty()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
                return chartKey(key->key());
        }
        if (watched == view->viewport()
            && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress)) {
            pointAt(view, static_cast<QMouseEvent *>(event)->position().toPoint());
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAasta::cmdSalvestaTabel_Click()
{
    const QString suggested = u"päike-%1.csv"_s.arg(data_.request.year);
    const QString path = askSavePath(u"Salvesta tabel"_s, suggested, u"CSV-tabel (*.csv)"_s);
    if (!path.isEmpty())
        SaveTable(path);
}

void frmAasta::cmdSalvestaPilt_Click()
{
    const QString suggested = u"päike-%1.png"_s.arg(data_.request.year);
    const QString path = askSavePath(u"Salvesta pilt"_s, suggested, u"PNG-pilt (*.png);;SVG-pilt (*.svg)"_s);
    if (!path.isEmpty())
        SavePicture(path);
}

bool frmAasta::SaveTable(const QString &path)
{
    const QByteArray csv = QByteArray::fromStdString(almanac::yearCsv(data_.days, yearview::overviewClock()));
    return writeFile(path, [&csv](QIODevice &file) { return file.write(csv) == csv.size(); });
}

bool frmAasta::SavePicture(const QString &path)
{
    const QSize size = fraGraafik->size();
    if (path.endsWith(u".svg"_s, Qt::CaseInsensitive)) {
        return writeFile(path, [&](QIODevice &file) {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(windowTitle());
            QPainter painter;
            if (!painter.begin(&svg))
                return false;
            fraGraafik->render(&painter);
            return painter.end();
        });
    }
    const qreal scale = devicePixelRatio();
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        fraGraafik->render(&painter);
    }
    return writeFile(path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}

bool frmAasta::writeFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // Written beside the target and renamed over it only when complete: a
    // failure leaves whatever was there before.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        reason = u"Faili ei saa luua (kausta puudub kirjutusõigus või kausta pole)."_s;
    else if (!write(file) || file.error() != QFileDevice::NoError) {
        reason = u"Kirjutamine katkes (ketas võib olla täis)."_s;
        file.cancelWriting();
    }
    if (reason.isEmpty() && file.commit())
        return true;
    if (reason.isEmpty())
        reason = u"Faili ei saanud lõpuni kirjutada."_s;
    ShowNotice(this, u"Salvestamine ebaõnnestus"_s, reason, path, file.errorString());
    return false;
}

frmAasta *yearview::showOverview(QWidget *owner, const YearRequest &request)
{
    auto *overview
        = owner ? owner->findChild<frmAasta *>(u"frmAasta"_s, Qt::FindDirectChildrenOnly) : nullptr;
    if (!overview)
        overview = new frmAasta(owner);
    overview->ShowYear(request);
    // The arrow keys move the date at once.
    overview->tabAasta->setCurrentIndex(0);
    overview->chtAasta->setFocus();
    overview->show();
    overview->raise();
    overview->activateWindow();
    return overview;
}
