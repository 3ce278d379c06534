// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window hands to the year overview, and the one entry point of
// the module that holds it. The module (with the chart library) is loaded only
// when the overview is first opened, so the program starts without it.
#include <QString>
#include <QtPlugin>

#include "almanac/almanac.h"
#include "solar/observation.h"

class QWidget;

namespace yearview {

struct YearRequest {
    almanac::Place place;
    int year = 0;
    // The gazetteer's name where the coordinates came from a pick, else the
    // coordinates as the window writes them.
    QString placeName;
    // The gazetteer's list text of the place where it came from a pick, else empty.
    QString placeListText;
    // The observation as typed: the window's own approximation of each date is
    // computed from it with only the day and the month changed.
    solar::Observation observation;
};

class YearOverviewModule
{
public:
    virtual ~YearOverviewModule() = default;
    // Shows the overview of the request in the owner's one overview window:
    // creates it, or raises it showing the new place and year. The window is
    // owned by `owner` and closes with it.
    virtual QWidget *showOverview(QWidget *owner, const YearRequest &request) = 0;
};

}  // namespace yearview

#define VorandelYearOverviewModule_iid "ee.vorandel.YearOverviewModule/1"
Q_DECLARE_INTERFACE(yearview::YearOverviewModule, VorandelYearOverviewModule_iid)
