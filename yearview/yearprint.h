// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The overview on one A4 page: the title line of the saved pictures (place,
// year, clock), both charts as they stand, and the list of key dates.
#include "yearview/yeardata.h"

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace yearview {

// Paints the page into `page` (device pixels) of the painter's device.
void paintYearPage(QPainter &painter, const QRect &page, QWidget *charts, const YearData &data);

// Prints the page on `printer`; a PDF file is made whole in memory and then
// written, or the notice over `parent` says why it could not be.
bool printYear(QWidget *parent, QPrinter &printer, QWidget *charts, const YearData &data);

}  // namespace yearview
