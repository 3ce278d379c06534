// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun's direction and the soft light of a date: the texts of the readout
// and the table, and the hours of the golden and blue light for the chart.
#include <QString>
#include <optional>
#include <vector>

#include "yearview/yeardata.h"

namespace yearview {

// "tõus 42,3° (kirre), loojang 317,7° (loe), keskpäeval kõrgus 53,8°"
QString directionText(const almanac::SolarDay &day);

// The blue hour lies between -6° (the civil twilight's edge) and -4°, the
// golden hour between -4° and +6°: twice each in a day where the Sun crosses
// every level.
enum class LightPeriod { MorningBlue, MorningGolden, EveningGolden, EveningBlue };
inline constexpr int kLightPeriodCount = 4;

// "Hommikune sinine tund"
QString lightPeriodName(LightPeriod period);
// "03:12:40–03:35:02"; an edge the Sun does not cross that day reads "…",
// a period without either edge "puudub".
QString lightPeriodText(const DayRow &row, LightPeriod period);
// Every period of the date, as the readout writes them.
QString lightText(const DayRow &row);

// The table's columns after the window's own: the two directions, the noon
// altitude and the four periods.
inline constexpr int kLightColumnCount = 3 + kLightPeriodCount;
QString lightColumnHeader(int column);
QString lightColumnText(const YearData &data, int row, int column);

// The hours of the date (from its midnight, beyond 24 after the next one) in
// golden or in blue light, in order.
struct HourSpan {
    double from, to;
};
std::vector<HourSpan> lightSpans(const DayRow &row, double noonAltitudeDegrees, bool golden);

}  // namespace yearview
