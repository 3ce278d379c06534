// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The overview's two charts: the Sun's events and twilights over the year in
// legal clock time, and the day length. Each carries a vertical line for the
// date pointed at, which the window moves.
#include <QString>
#include <vector>

#include "yearview/yeardata.h"

class QChart;
class QChartView;
class QLineSeries;
class QSize;
class QWidget;

namespace yearview {

// A view that takes the keyboard and follows the mouse, for the window's keys.
QChartView *chartView(QWidget *parent, const QString &name, const QString &accessibleName);

// The year's chart, with the observation's date marked; the lines that draw
// the date pointed at are added to `markers`.
QChart *yearChart(const YearData &data, int observationIndex, std::vector<QLineSeries *> &markers);
// The day length over the year; `markers` as above.
QChart *dayLengthChart(const YearData &data, std::vector<QLineSeries *> &markers);

// Shows or hides the golden and blue hours' bands of the year's chart.
void setLightBandsVisible(QChart *chart, bool visible);

// Gives the charts' legends one width, that of the widest entry, so that their
// plot areas (and dates) line up.
void alignLegends(const std::vector<QChart *> &charts);
// The least size at which the chart's legend shows every entry and its title
// and labels are whole.
QSize minimumChartSize(QChart *chart);

}  // namespace yearview
