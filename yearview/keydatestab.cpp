// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/keydatestab.h"

#include <QHeaderView>
#include <QTableView>
#include <QTimeZone>
#include <cmath>

namespace yearview {

namespace {

using namespace Qt::StringLiterals;
using Kind = almanac::KeyDateKind;

const QString kNames[almanac::kKeyDateKindCount] = {
    u"Kevadine võrdpäevsus"_s,
    u"Suvine pööripäev"_s,
    u"Sügisene võrdpäevsus"_s,
    u"Talvine pööripäev"_s,
    u"Periheel"_s,
    u"Afeel"_s,
    u"Kell keeratakse edasi"_s,
    u"Kell keeratakse tagasi"_s,
    u"Pikim päev"_s,
    u"Lühim päev"_s,
    u"Varaseim päikesetõus"_s,
    u"Hiliseim päikesetõus"_s,
    u"Varaseim päikeseloojang"_s,
    u"Hiliseim päikeseloojang"_s,
    u"Polaarpäev algab"_s,
    u"Polaarpäev lõpeb"_s,
    u"Polaaröö algab"_s,
    u"Polaaröö lõpeb"_s,
    u"Valged ööd algavad"_s,
    u"Valged ööd lõpevad"_s,
    u"Navigatsioonilised valged ööd algavad"_s,
    u"Navigatsioonilised valged ööd lõpevad"_s,
};

enum Column { DateColumn, TimeColumn, WhatColumn, DetailColumn, ColumnCount };

bool isClockChange(Kind kind) { return kind == Kind::ClockForward || kind == Kind::ClockBack; }

QDateTime atOffset(double instant, int offsetSeconds)
{
    return QDateTime::fromSecsSinceEpoch(std::llround(instant), QTimeZone(offsetSeconds));
}

// The UTC offset just before a change of the clock.
int offsetBefore(const YearData &data, const almanac::KeyDate &key)
{
    return data.clock.offsetAt(std::llround(key.instant) - 1);
}

QString timeText(const YearData &data, const almanac::KeyDate &key)
{
    if (key.date)
        return {};
    const QDateTime clock = keyDateClock(data, key);
    // Sunrise and sunset to the second as elsewhere in the overview; the
    // Sun's and the Earth's turning points to the minute.
    switch (key.kind) {
    case Kind::EarliestSunrise:
    case Kind::LatestSunrise:
    case Kind::EarliestSunset:
    case Kind::LatestSunset: return clock.toString(u"HH:mm:ss"_s);
    default: return clock.addSecs(30).toString(u"HH:mm"_s);  // to the nearest minute
    }
}

QString detailText(const almanac::KeyDate &key)
{
    if (key.dayLengthSeconds)
        return durationText(double(*key.dayLengthSeconds));
    if (key.newOffsetSeconds && isClockChange(key.kind))
        return u"kell %1, UTC-nihe %2"_s.arg(
            atOffset(key.instant, *key.newOffsetSeconds).toString(u"HH:mm"_s),
            offsetText(*key.newOffsetSeconds));
    return {};
}

}  // namespace

QString keyDateName(almanac::KeyDateKind kind) { return kNames[int(kind)]; }

QDateTime keyDateClock(const YearData &data, const almanac::KeyDate &key)
{
    const int offset
        = isClockChange(key.kind) ? offsetBefore(data, key) : data.clock.offsetAt(std::llround(key.instant));
    return atOffset(key.instant, offset);
}

QString keyDateTickLabel(const YearData &data, const almanac::KeyDate &key)
{
    switch (key.kind) {
    case Kind::MarchEquinox:
    case Kind::SeptemberEquinox: return u"võrdpäevsus"_s;
    case Kind::JuneSolstice:
    case Kind::DecemberSolstice: return u"pööripäev"_s;
    case Kind::ClockForward:
    case Kind::ClockBack: {
        const int minutes = (key.newOffsetSeconds.value_or(0) - offsetBefore(data, key)) / 60;
        const QString amount
            = minutes % 60 == 0 ? u"%1 h"_s.arg(std::abs(minutes) / 60) : u"%1 min"_s.arg(std::abs(minutes));
        return (minutes < 0 ? u"kell −"_s : u"kell +"_s) + amount;
    }
    default: return {};
    }
}

int keyDateRow(const YearData &data, const almanac::KeyDate &key)
{
    const QDate date
        = key.date ? QDate(key.date->year, key.date->month, key.date->day) : keyDateClock(data, key).date();
    for (std::size_t i = 0; i < data.rows.size(); ++i)
        if (data.rows[i].date == date)
            return int(i);
    return -1;
}

void KeyDatesModel::setYear(const YearData *data)
{
    beginResetModel();
    data_ = data;
    endResetModel();
}

int KeyDatesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !data_ ? 0 : int(data_->keyDates.size());
}

int KeyDatesModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant KeyDatesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const QString headers[ColumnCount] = {u"Kuupäev"_s, u"Kell"_s, u"Tähtpäev"_s, u"Täpsustus"_s};
    return section >= 0 && section < ColumnCount ? QVariant(headers[section]) : QVariant();
}

QVariant KeyDatesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !data_)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == WhatColumn ? Qt::AlignLeft : Qt::AlignCenter) | Qt::AlignVCenter);
    return {};
}

QString KeyDatesModel::cellText(int row, int column) const
{
    const almanac::KeyDate &key = data_->keyDates[std::size_t(row)];
    switch (column) {
    case DateColumn: {
        const int index = keyDateRow(*data_, key);
        return index < 0 ? keyDateClock(*data_, key).date().toString(u"dd.MM.yyyy"_s)
                         : data_->rows[std::size_t(index)].date.toString(u"dd.MM.yyyy"_s);
    }
    case TimeColumn: return timeText(*data_, key);
    case WhatColumn: return keyDateName(key.kind);
    default: return detailText(key);
    }
}

QTableView *keyDatesView(QWidget *parent, KeyDatesModel *model)
{
    auto *view = new QTableView(parent);
    view->setObjectName(u"tblTähtpäevad"_s);
    view->setAccessibleName(u"Tähtpäevad"_s);
    view->setAlternatingRowColors(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    view->setModel(model);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

}  // namespace yearview
