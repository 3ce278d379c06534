// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The year overview: a chart of the year's sunrise, noon, sunset and
// twilights in legal clock time, a chart of the day length, a readout of the
// date pointed at, a table of every date, and the exports.
#include <QDialog>
#include <functional>

#include "yearview/yeardata.h"
#include "yearview/yearexport.h"

class QChart;
class QChartView;
class QCheckBox;
class QHBoxLayout;
class QVBoxLayout;
class QPrinter;
class QLabel;
class QLineSeries;
class QPushButton;
class QTabWidget;
class QTableView;
class YearTableModel;
namespace yearview {
class KeyDatesModel;
class YearPlanner;
}  // namespace yearview

class frmAasta : public QDialog
{
    Q_OBJECT

public:
    explicit frmAasta(QWidget *owner);
    ~frmAasta() override;

    QTabWidget *tabAasta;
    QWidget *fraGraafik;  // the two charts, as the picture export writes them
    QChartView *chtAasta, *chtPäevaPikkus;
    QLabel *lblNäit;
    QTableView *tblAasta;
    QPushButton *cmdSalvestaTabel, *cmdSalvestaPilt, *cmdSulge;
    yearview::YearPlanner *fraAastaJaKoht;  // another year or place
    QTableView *tblTähtpäevad;
    QCheckBox *chkKuldne;
    QPushButton *cmdPrindi;

    // Computes the place-year and shows it; the marker starts on `marked`
    // where that date is in the year, else on the observation's date (a copy:
    // the date shown now is replaced with the year).
    void ShowYear(const yearview::YearRequest &request, QDate marked = {});
    const yearview::YearData &data() const { return data_; }

    // The date the readout shows, as an index into the year.
    void SetMarker(int index);
    int marker() const { return marker_; }

    void cmdSalvestaTabel_Click();
    void cmdSalvestaPilt_Click();
    // Write the file, or report in a notice why it could not be written; an
    // existing file is replaced only by a complete new one.
    bool SaveTable(const QString &path);
    bool SavePicture(const QString &path, yearview::PictureFormat format);

    // The year, the place or today chosen in the bar: the same date of the
    // other year, the same date at the other place, today.
    void spnAasta_Change(int year);
    void cmdTäna_Click();
    void cboKoht2_Click(const QString &listText);
    void chkKuldne_Click(bool checked);
    void cmdPrindi_Click();
    // Sets up the printer (the print dialog, which also offers a PDF file);
    // false when cancelled. Tests replace it.
    std::function<bool(QPrinter &)> askPrinter;

    // Asks for the name of a file to write (caption, suggested path, filters,
    // the chosen filter back); empty when cancelled. Tests replace it.
    std::function<QString(const QString &, const QString &, const QString &, QString *)> askSavePath;
    // Where the save dialog opens: the folder last saved to while the program
    // runs, else the documents folder, else home.
    static QString saveFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildPlanner(QVBoxLayout *layout, QHBoxLayout *buttons);
    // The bar, the key dates and the light bands of the year just computed.
    void showPlan();
    void buildYearChart();
    void buildDayLengthChart();
    bool chartKey(int key);
    void showTableRow();
    void fitToScreen();
    void pointAt(QChartView *view, const QPoint &position);
    static void setChart(QChartView *view, QChart *chart);

    yearview::YearData data_;
    YearTableModel *model_ = nullptr;
    yearview::KeyDatesModel *keyDatesModel_ = nullptr;
    std::vector<QLineSeries *> markers_;  // one in each chart
    int marker_ = 0;
    int observationIndex_ = 0;
};

namespace yearview {
// The owner's one overview window: created on the first request, raised and
// given the new place and year on the next.
frmAasta *showOverview(QWidget *owner, const YearRequest &request);
}  // namespace yearview
