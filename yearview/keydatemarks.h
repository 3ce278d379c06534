// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key dates drawn on the year chart: the equinoxes, solstices and changes of
// the clock as small labelled ticks on the date axis, the white nights as a
// bracket along the top. They follow the plot as it is resized.
#include "yearview/yeardata.h"

class QChart;

namespace yearview {

void addKeyDateMarks(QChart *chart, const YearData &data);

}  // namespace yearview
