// SPDX-License-Identifier: GPL-3.0-or-later
// The overview as a planner: the bar for another year or place, the key
// dates' tab, the golden and blue hours' bands, and printing.
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/controlname.h"
#include "shell/text.h"
#include "yearview/frmAasta.h"
#include "yearview/keydatestab.h"
#include "yearview/yearchart.h"
#include "yearview/yearplanner.h"
#include "yearview/yearprint.h"

using namespace Qt::StringLiterals;

void frmAasta::buildPlanner(QVBoxLayout *layout, QHBoxLayout *buttons)
{
    fraAastaJaKoht = new yearview::YearPlanner(this);
    layout->insertWidget(0, fraAastaJaKoht);

    keyDatesModel_ = new yearview::KeyDatesModel(this);
    tblTähtpäevad = yearview::keyDatesView(nullptr, keyDatesModel_);
    tabAasta->addTab(tblTähtpäevad, u"Tähtpäe&vad"_s);

    chkKuldne = nameControl(new QCheckBox(u"K&uldne ja sinine tund"_s, this), u"chkKuldne"_s,
                            u"Näitab graafikul kuldse ja sinise tunni ribasid"_s);
    cmdPrindi = nameControl(new QPushButton(u"Pr&indi..."_s, this), u"cmdPrindi"_s,
                            u"Prindib graafikud ja tähtpäevad ühele A4-lehele või PDF-faili"_s);
    cmdPrindi->setAutoDefault(false);
    // Beside the readout, on the charts' page it changes.
    if (auto *page = qobject_cast<QBoxLayout *>(lblNäit->parentWidget()->layout()))
        page->insertWidget(page->indexOf(lblNäit), chkKuldne);
    buttons->insertWidget(buttons->indexOf(cmdSulge), cmdPrindi);

    // The keyboard goes as the eye does: the bar, the tabs and their pages,
    // the buttons.
    QWidget *const order[] = {fraAastaJaKoht->cmdEelmineAasta,
                              fraAastaJaKoht->spnAasta,
                              fraAastaJaKoht->cmdJärgmineAasta,
                              fraAastaJaKoht->cmdTäna,
                              fraAastaJaKoht->cboPiirkond2,
                              fraAastaJaKoht->cboKoht2,
                              tabAasta->tabBar(),
                              chtAasta,
                              chtPäevaPikkus,
                              chkKuldne,
                              tblAasta,
                              tblTähtpäevad,
                              cmdSalvestaTabel,
                              cmdSalvestaPilt,
                              cmdPrindi,
                              cmdSulge};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    askPrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(u"Prindi"_s);
        return dialog.exec() == QDialog::Accepted;
    };

    connect(fraAastaJaKoht, &yearview::YearPlanner::yearChosen, this, &frmAasta::spnAasta_Change);
    connect(fraAastaJaKoht, &yearview::YearPlanner::todayChosen, this, &frmAasta::cmdTäna_Click);
    connect(fraAastaJaKoht, &yearview::YearPlanner::placeChosen, this, &frmAasta::cboKoht2_Click);
    connect(chkKuldne, &QCheckBox::toggled, this, &frmAasta::chkKuldne_Click);
    connect(cmdPrindi, &QPushButton::clicked, this, &frmAasta::cmdPrindi_Click);
    // A key date chosen in its table (a click, Enter) is the date the charts
    // and readout show; moving through the table does not move them.
    const auto showKeyDate = [this](const QModelIndex &index) {
        if (index.isValid())
            SetMarker(yearview::keyDateRow(data_, data_.keyDates[std::size_t(index.row())]));
    };
    connect(tblTähtpäevad, &QTableView::clicked, this, showKeyDate);
    connect(tblTähtpäevad, &QTableView::activated, this, showKeyDate);
    // As the year's table, the hidden key dates keep no current cell.
    connect(tabAasta, &QTabWidget::currentChanged, this, [this] {
        if (tabAasta->currentWidget() != tblTähtpäevad)
            tblTähtpäevad->selectionModel()->clearCurrentIndex();
    });
}

void frmAasta::showPlan()
{
    fraAastaJaKoht->setRequest(data_.request);
    keyDatesModel_->setYear(&data_);
}

void frmAasta::spnAasta_Change(int year)
{
    if (year == data_.request.year || data_.rows.empty())
        return;
    yearview::YearRequest request = data_.request;
    request.year = year;
    request.observation.year = std::int16_t(year);
    ShowYear(request, yearview::sameDateIn(data_.rows[std::size_t(marker_)].date, year));
}

void frmAasta::cmdTäna_Click()
{
    const QDate today = QDate::currentDate();
    yearview::YearRequest request = data_.request;
    request.year = today.year();
    request.observation.year = std::int16_t(today.year());
    if (request.year == data_.request.year)
        SetMarker(today.dayOfYear() - 1);
    else
        ShowYear(request, today);
}

void frmAasta::cboKoht2_Click(const QString &listText)
{
    if (data_.rows.empty() || listText == data_.request.placeListText)
        return;
    ShowYear(yearview::withPlace(data_.request, toUtf8(listText)), data_.rows[std::size_t(marker_)].date);
}

void frmAasta::chkKuldne_Click(bool checked)
{
    yearview::setLightBandsVisible(chtAasta->chart(), checked);
    yearview::alignLegends({chtAasta->chart(), chtPäevaPikkus->chart()});
    chtAasta->setMinimumSize(yearview::minimumChartSize(chtAasta->chart()));
}

void frmAasta::cmdPrindi_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(yearview::pictureTitle(data_));
    printer.setOutputFileName(QString());
    if (askPrinter(printer))
        yearview::printYear(this, printer, fraGraafik, data_);
}
