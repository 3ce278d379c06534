// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The overview's two charts: the Sun's events and twilights over the year in
// legal clock time, and the day length. Each carries a dotted vertical line
// for the date pointed at, which the window moves.
#include <QString>

#include "yearview/yeardata.h"

class QChart;
class QChartView;
class QLineSeries;
class QWidget;

namespace yearview {

// A view that takes the keyboard and follows the mouse, for the window's keys.
QChartView *chartView(QWidget *parent, const QString &name, const QString &accessibleName);

// The year's chart, with the observation's date marked; `marker` is the line
// of the date pointed at.
QChart *yearChart(const YearData &data, int observationIndex, QLineSeries *&marker);
// The day length over the year; `marker` as above.
QChart *dayLengthChart(const YearData &data, QLineSeries *&marker);

}  // namespace yearview
