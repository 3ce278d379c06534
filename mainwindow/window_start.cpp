// SPDX-License-Identifier: GPL-3.0-or-later
// The load step of the window, its clock and the About picture.
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>

#include "mainwindow/frmProge.h"
#include "rules/clockrules.h"
#include "shell/frmAbout.h"
#include "shell/owner_hold.h"
#include "shell/pictures.h"
#include "shell/placement.h"
#include "shell/text.h"

namespace {

clockrules::LocalDateTime toLocal(const QDateTime &dt)
{
    const QDate d = dt.date();
    const QTime t = dt.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), d.dayOfWeek()};
}

// The separator between hours and minutes in the user's time format.
std::string timeSeparator()
{
    return clockrules::TimeSeparator(QLocale().timeFormat(QLocale::ShortFormat).toStdU32String());
}

}  // namespace

void frmProge::Form_Load()
{
    const QString today = toQString(clockrules::FormatTodayCaption(toLocal(QDateTime::currentDateTime())));
    FillRegionList();
    // The window opens centred on the screen.
    centreOnScreen(this, screen());
    setWindowTitle(toQString(clockrules::WindowTitle(today.toStdString())));
}

void frmProge::tmrAeg_Timer()
{
    const QDateTime now = currentDateTime();
    const auto local = toLocal(now);
    const QString mark = QLocale().decimalPoint();
    const char32_t decimalMark = mark.isEmpty() ? U'.' : mark.toUcs4().value(0, U'.');
    // The label reads the local clock time as it stands; its tip gives the
    // Julian date of the same second in UT.
    picJuuliusePäev->setText(
        toQString(clockrules::FormatJulianDate(clockrules::CurrentJulianDate(local), decimalMark)));
    const QString utTip = toQString(
        clockrules::UtJulianDateTip(static_cast<almanac::UtcSeconds>(now.toSecsSinceEpoch()), decimalMark));
    picJuuliusePäev->setToolTip(utTip);
    picJuuliusePäev->setAccessibleDescription(utTip);
    picKell->setText(
        toQString(clockrules::FormatClock(local.hour, local.minute, local.second, timeSeparator())));
}

void frmProge::imgAbout_MouseMove() { imgAbout->setPixmap(imgHelves->pixmap()); }
void frmProge::Form_MouseMove() { imgAbout->setPixmap(pictures::sun()); }
void frmProge::fraTulem_MouseMove() { imgAbout->setPixmap(pictures::sun()); }
void frmProge::Label4_MouseMove() { imgAbout->setPixmap(pictures::sun()); }

void frmProge::imgAbout_Click()
{
    const OwnerHold hold(this);
    auto *about = new frmAbout(imgAbout, this);
    about->exec();
    hold.giveInputBack();
}
