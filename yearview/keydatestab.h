// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The year's key dates in a table of their own: date, time, what and a detail
// (the day length of the longest and shortest day, the new clock time).
#include <QAbstractTableModel>
#include <QDateTime>

#include "yearview/yeardata.h"

class QTableView;
class QWidget;

namespace yearview {

// "Kevadine võrdpäevsus", "Kell keeratakse edasi", "Valged ööd algavad", ...
QString keyDateName(almanac::KeyDateKind kind);

// The moment of a key date on the overview's clock. A change of the clock is
// given as the clock read before the change: the clock is turned forward at
// 03:00 and back at 04:00.
QDateTime keyDateClock(const YearData &data, const almanac::KeyDate &key);

// "pööripäev", "võrdpäevsus", "kell +1 h": the short label of the chart's tick;
// empty for the kinds the chart does not mark.
QString keyDateTickLabel(const YearData &data, const almanac::KeyDate &key);

// The index into the year's rows of the date a key date falls on, or -1.
int keyDateRow(const YearData &data, const almanac::KeyDate &key);

class KeyDatesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setYear(const YearData *data);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "21.06.2026", "13:24", "Suvine pööripäev", ""
    QString cellText(int row, int column) const;

private:
    const YearData *data_ = nullptr;
};

// The table of the tab "Tähtpäevad".
QTableView *keyDatesView(QWidget *parent, KeyDatesModel *model);

}  // namespace yearview
