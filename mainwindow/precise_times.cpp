// SPDX-License-Identifier: GPL-3.0-or-later
// The precise sunrise and sunset beside the window's own: the tooltip and the
// accessible description of the two event-time labels. The labels themselves
// keep the window's figures.
#include <QDateTime>
#include <QLabel>
#include <QTimeZone>

#include "almanac/timescales.h"
#include "mainwindow/frmProge.h"
#include "rules/precisetips.h"
#include "shell/legalclock.h"
#include "shell/text.h"
#include "solar/season.h"

void frmProge::computePreciseDay(const solar::Observation &obs, double latitude, double longitude)
{
    preciseDay_.reset();
    if (obs.year < almanac::kFirstYear || obs.year > almanac::kLastYear)
        return;
    preciseDay_ = almanac::solarDay({latitude, longitude, static_cast<double>(obs.heightMetres)},
                                    {obs.year, obs.month, obs.day});
}

void frmProge::showPreciseTimeTips(bool summerTimeShown)
{
    const int shownOffset
        = solar::OffsetSeconds(summerTimeShown ? solar::Season::Summer : solar::Season::Winter);
    // Read from the system's zone data once.
    static const QTimeZone zone(kDefaultZoneId);
    for (const auto &[label, event] : {std::pair{lblPäiTõuKell, almanac::Event::Sunrise},
                                       std::pair{lblPäiLooKell, almanac::Event::Sunset}}) {
        std::string tip = precisetips::OutOfRangeTip();
        if (preciseDay_) {
            precisetips::LegalClock legal{shownOffset, false};
            if (const std::optional<almanac::UtcSeconds> &instant = (*preciseDay_)[event]) {
                const QDateTime at
                    = QDateTime::fromSecsSinceEpoch(almanac::wholeSeconds(*instant), QTimeZone::utc());
                legal = {zone.offsetFromUtc(at), zone.isDaylightTime(at)};
            }
            tip = precisetips::EventTip(*preciseDay_, event, shownOffset, legal);
        }
        const QString text = toQString(tip);
        label->setToolTip(text);
        label->setAccessibleDescription(text);
    }
}

void frmProge::clearPreciseTimeTips()
{
    preciseDay_.reset();
    for (QLabel *label : {lblPäiTõuKell, lblPäiLooKell}) {
        label->setToolTip(QString());
        label->setAccessibleDescription(QString());
    }
}
