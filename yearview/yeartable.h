// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The overview's table: one row per date, the command line's columns (times
// on the legal clock, the date's UTC offset in a column of its own) and the
// window's own sunrise and sunset.
#include <QAbstractTableModel>

#include "yearview/yeardata.h"

class YearTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setYear(const yearview::YearData *data);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString cellText(int row, int column) const;
    const yearview::YearData *data_ = nullptr;
};
