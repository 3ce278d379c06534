// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/frmAasta.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "shell/controlname.h"
#include "shell/notice.h"
#include "shell/twips.h"
#include "yearview/tabbar_accessible.h"
#include "yearview/yearchart.h"
#include "yearview/yeartable.h"

namespace {

using namespace Qt::StringLiterals;

// The window's first size: 15000 x 10500 twips, or 90 % of the screen.
constexpr int kWidthTwips = 15000, kHeightTwips = 10500;
constexpr double kScreenShare = 0.9;

// The folder last saved to, for the rest of the program's run.
QString lastSaveFolder;

// The chart's frame shows where the keyboard is.
const QString kFocusFrame = u"QGraphicsView { border: 2px solid transparent; }"
                            u" QGraphicsView:focus { border: 2px solid palette(highlight); }"_s;

}  // namespace

frmAasta::frmAasta(QWidget *owner)
    : QDialog(owner)
    , askSavePath(
          [this](const QString &caption, const QString &suggested, const QString &filter, QString *chosen) {
              return QFileDialog::getSaveFileName(this, caption, suggested, filter, chosen);
          })
{
    setObjectName(u"frmAasta"_s);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    buildLayout();
    fitToScreen();
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
    yearview::markAccessibleTabBar(tabAasta->tabBar());

    // On a small screen the page scrolls rather than cut the charts short.
    auto *page = new QScrollArea;
    page->setObjectName(u"tabGraafik"_s);
    page->setWidgetResizable(true);
    page->setFrameShape(QFrame::NoFrame);
    page->setFocusPolicy(Qt::NoFocus);
    auto *pageChart = new QWidget;
    pageChart->setObjectName(u"fraGraafikJaNäit"_s);
    page->setWidget(pageChart);
    fraGraafik = new QWidget(pageChart);
    fraGraafik->setObjectName(u"fraGraafik"_s);
    chtAasta = yearview::chartView(fraGraafik, u"chtAasta"_s, u"Päikese aeg aasta jooksul"_s);
    chtPäevaPikkus = yearview::chartView(fraGraafik, u"chtPäevaPikkus"_s, u"Päeva pikkus"_s);
    auto *charts = new QVBoxLayout(fraGraafik);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(chtAasta, 2);
    charts->addWidget(chtPäevaPikkus, 1);

    lblNäit = new QLabel(pageChart);
    lblNäit->setObjectName(u"lblNäit"_s);
    lblNäit->setWordWrap(true);
    lblNäit->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // No name of its own: a screen reader reads the readout itself.
    lblNäit->setMinimumHeight(toPixels(0, 600).height());
    auto *pageLayout = new QVBoxLayout(pageChart);
    pageLayout->addWidget(fraGraafik, 1);
    pageLayout->addWidget(lblNäit);
    tabAasta->addTab(page, u"&Graafik"_s);

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
    // The tab bar's scroll buttons, shown when the tabs do not fit, in Estonian.
    const QList<QToolButton *> scrolls = tabAasta->tabBar()->findChildren<QToolButton *>();
    for (QToolButton *scroll : scrolls)
        scroll->setAccessibleName(scroll->arrowType() == Qt::LeftArrow ? u"Keri vasakule"_s
                                                                       : u"Keri paremale"_s);

    cmdSalvestaTabel = nameControl(new QPushButton(u"Salvesta ta&bel..."_s, this), u"cmdSalvestaTabel"_s,
                                   u"Kirjutab aasta tabeli CSV-failina"_s);
    cmdSalvestaPilt = nameControl(new QPushButton(u"Salvesta &pilt..."_s, this), u"cmdSalvestaPilt"_s,
                                  u"Kirjutab graafikud PNG- või SVG-failina"_s);
    cmdSulge = nameControl(new QPushButton(u"&Sulge"_s, this), u"cmdSulge"_s);
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
    buildPlanner(layout, buttons);

    for (QChartView *view : {chtAasta, chtPäevaPikkus}) {
        view->setStyleSheet(kFocusFrame);
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }
    // The hidden table keeps no current cell, which a screen reader would
    // count as focused beside the chart.
    connect(tabAasta, &QTabWidget::currentChanged, this, &frmAasta::showTableRow);
    // Focus that enters the table with the page (from a chart, as the tab
    // changes) finds the marker's row current, not the first.
    tblAasta->installEventFilter(this);
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

void frmAasta::ShowYear(const yearview::YearRequest &request, QDate marked)
{
    data_ = yearview::computeYear(request, yearview::overviewClock());
    setWindowTitle(yearview::titleText(request));
    model_->setYear(&data_);
    showPlan();

    observationIndex_ = 0;
    for (std::size_t i = 0; i < data_.rows.size(); ++i) {
        const QDate &date = data_.rows[i].date;
        if (date.day() == request.observation.day && date.month() == request.observation.month)
            observationIndex_ = int(i);
    }
    markers_.clear();
    buildYearChart();
    buildDayLengthChart();
    yearview::alignLegends({chtAasta->chart(), chtPäevaPikkus->chart()});
    for (QChartView *view : {chtAasta, chtPäevaPikkus})
        view->setMinimumSize(yearview::minimumChartSize(view->chart()));
    marker_ = -1;
    const qint64 markedIndex
        = marked.isValid() && marked.year() == request.year ? marked.dayOfYear() - 1 : -1;
    SetMarker(markedIndex >= 0 && markedIndex < qint64(data_.rows.size()) ? int(markedIndex)
                                                                          : observationIndex_);
}

void frmAasta::buildYearChart()
{
    setChart(chtAasta, yearview::yearChart(data_, observationIndex_, markers_));
    yearview::setLightBandsVisible(chtAasta->chart(), chkKuldne->isChecked());
}

void frmAasta::buildDayLengthChart() { setChart(chtPäevaPikkus, yearview::dayLengthChart(data_, markers_)); }

void frmAasta::setChart(QChartView *view, QChart *chart)
{
    QChart *old = view->chart();
    view->setChart(chart);
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
    showTableRow();
    const QString text = yearview::readoutText(data_, index);
    lblNäit->setText(text);
    // A screen reader on a chart hears the date it moves to, once: setting
    // the description tells it.
    for (QChartView *view : {chtAasta, chtPäevaPikkus})
        view->setAccessibleDescription(text);
}

void frmAasta::showTableRow()
{
    if (tabAasta->currentWidget() != tblAasta) {
        tblAasta->selectionModel()->clearCurrentIndex();
        return;
    }
    if (marker_ >= 0 && tblAasta->currentIndex().row() != marker_)
        tblAasta->setCurrentIndex(model_->index(marker_, 0));
}

void frmAasta::fitToScreen()
{
    QSize size = toPixels(kWidthTwips, kHeightTwips);
    if (const QScreen *place = screen()) {
        const QSize available = place->availableGeometry().size();
        size = size.boundedTo(
            QSize(int(available.width() * kScreenShare), int(available.height() * kScreenShare)));
    }
    resize(size);
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
    if (watched == tblAasta && event->type() == QEvent::FocusIn && !tblAasta->currentIndex().isValid()
        && marker_ >= 0)
        tblAasta->setCurrentIndex(model_->index(marker_, 0));
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

QString frmAasta::saveFolder()
{
    if (!lastSaveFolder.isEmpty())
        return lastSaveFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void frmAasta::cmdSalvestaTabel_Click()
{
    const QString suggested = QDir(saveFolder()).filePath(yearview::fileBaseName(data_.request) + u".csv"_s);
    QString chosen;
    const QString path = askSavePath(u"Salvesta tabel"_s, suggested, u"CSV-tabel (*.csv)"_s, &chosen);
    if (path.isEmpty())
        return;
    lastSaveFolder = QFileInfo(path).absolutePath();
    SaveTable(yearview::withExtension(path, u"csv"_s));
}

void frmAasta::cmdSalvestaPilt_Click()
{
    const QString png = u"PNG-pilt (*.png)"_s, svg = u"SVG-pilt (*.svg)"_s;
    const QString suggested = QDir(saveFolder()).filePath(yearview::fileBaseName(data_.request) + u".png"_s);
    QString chosen = png;
    const QString path = askSavePath(u"Salvesta pilt"_s, suggested, png + u";;"_s + svg, &chosen);
    if (path.isEmpty())
        return;
    lastSaveFolder = QFileInfo(path).absolutePath();
    const yearview::PictureFormat format = yearview::formatOfFilter(chosen);
    SavePicture(yearview::withExtension(path, format == yearview::PictureFormat::Svg ? u"svg"_s : u"png"_s),
                format);
}

bool frmAasta::SaveTable(const QString &path) { return yearview::saveTable(this, path, data_); }

bool frmAasta::SavePicture(const QString &path, yearview::PictureFormat format)
{
    return yearview::savePicture(fraGraafik, path, format, yearview::pictureTitle(data_));
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
    if (overview->data().clock.zoneDataMissing)
        ShowWarning(overview, overview->windowTitle(), yearview::kZoneDataMissingText);
    return overview;
}
