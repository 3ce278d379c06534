// SPDX-License-Identifier: GPL-3.0-or-later
// The season options: in the entering state they choose the season of the
// next computation; while results are shown they re-show the four stored
// clock times in the season clicked, never recomputing them.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/frmProge.h"
#include "shell/text.h"
#include "solar/formats.h"

namespace {

QString clockText(double hours) { return toQString(solar::FormatClockTime(hours)); }

}  // namespace

void frmProge::showStoredTimesShifted(double shiftHours, const QString &seasonTip)
{
    optSuveaeg->setToolTip(seasonTip);
    optTalveaeg->setToolTip(seasonTip);
    lblKohKeskP_Tõ->setText(clockText(run_.NoonAtSunrise + shiftHours));
    // A column where the Sun does not rise or set keeps its polar text.
    if (!run_.SunriseColumnPolar)
        lblPäiTõuKell->setText(clockText(run_.SunriseTime + shiftHours));
    lblKohKeskP_Lo->setText(clockText(run_.NoonAtSunset + shiftHours));
    if (!run_.SunsetColumnPolar)
        lblPäiLooKell->setText(clockText(run_.SunsetTime + shiftHours));
}

// While the observation is being entered, the option clicked is the season of
// the next computation, also before all ten fields are filled: the option shown
// and WinterTime always agree when Calculate runs.
void frmProge::optSuveaeg_Click()
{
    if (const std::optional<double> shift = run_.seasonClicked(false)) {
        showStoredTimesShifted(*shift, QStringLiteral(" Suveaeg "));
        showPreciseTimeTips(true);
    }
}

void frmProge::optTalveaeg_Click()
{
    if (const std::optional<double> shift = run_.seasonClicked(true)) {
        showStoredTimesShifted(*shift, QStringLiteral(" Talveaeg "));
        showPreciseTimeTips(false);
    }
}

void frmProge::keepSeasonTabStop()
{
    // Tab and Shift+Tab enter the season frame at the selected option, however
    // it was selected (a click, the arrow keys, the month). The toolkit gives
    // the tab stop to the option that last had the focus; while the focus is
    // elsewhere, only the selected option keeps it.
    const auto apply = [this] {
        const QWidget *focus = QApplication::focusWidget();
        if ((focus == optSuveaeg && !optSuveaeg->isChecked())
            || (focus == optTalveaeg && !optTalveaeg->isChecked()))
            return;
        for (QRadioButton *opt : {optSuveaeg, optTalveaeg})
            opt->setFocusPolicy(opt->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(optSuveaeg, &QRadioButton::toggled, this, apply);
    connect(optTalveaeg, &QRadioButton::toggled, this, apply);
    connect(qApp, &QApplication::focusChanged, this, apply);
    apply();
}
