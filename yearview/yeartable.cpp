// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yeartable.h"

#include "yearview/sunlight.h"

namespace {

using namespace Qt::StringLiterals;

// Date, offset, the nine events, day length, the window's sunrise and sunset,
// the directions and the soft light.
constexpr int kEventColumn = 2;
constexpr int kDayLengthColumn = kEventColumn + almanac::kEventCount;
constexpr int kLightColumn = kDayLengthColumn + 3;
constexpr int kColumnCount = kLightColumn + yearview::kLightColumnCount;

QString header(int section)
{
    if (section == 0)
        return u"Kuupäev"_s;
    if (section == 1)
        return u"UTC-nihe"_s;
    if (section < kDayLengthColumn)
        return yearview::eventName(almanac::Event(section - kEventColumn));
    if (section == kDayLengthColumn)
        return u"Päeva pikkus"_s;
    if (section >= kLightColumn)
        return yearview::lightColumnHeader(section - kLightColumn);
    return section == kDayLengthColumn + 1 ? u"Ligikaudne tõus (põhiaken)"_s
                                           : u"Ligikaudne loojang (põhiaken)"_s;
}

}  // namespace

void YearTableModel::setYear(const yearview::YearData *data)
{
    beginResetModel();
    data_ = data;
    endResetModel();
}

int YearTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !data_ ? 0 : int(data_->rows.size());
}

int YearTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant YearTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < kColumnCount ? QVariant(header(section)) : QVariant();
}

QVariant YearTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !data_)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QString YearTableModel::cellText(int row, int column) const
{
    const yearview::DayRow &r = data_->rows[std::size_t(row)];
    if (column == 0)
        return r.date.toString(u"dd.MM.yyyy"_s);
    if (column == 1)
        return yearview::offsetText(r.utcOffsetSeconds);
    if (column < kDayLengthColumn) {
        return yearview::eventText(r, almanac::Event(column - kEventColumn));
    }
    if (column == kDayLengthColumn)
        return yearview::durationText(r.dayLengthSeconds);
    if (column >= kLightColumn)
        return yearview::lightColumnText(*data_, row, column - kLightColumn);
    const QString clock = r.approxWinterTime ? u" (GMT +2)"_s : u" (GMT +3)"_s;
    if (column == kDayLengthColumn + 1)
        return r.approxSunriseHours ? r.approxSunriseText + clock : r.approxSunriseText;
    return r.approxSunsetHours ? r.approxSunsetText + clock : r.approxSunsetText;
}
