// SPDX-License-Identifier: GPL-3.0-or-later
// The ten input fields: key filter, limits, hints, date checks, advances and
// the tidying of a field's text when it is left.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/fieldtext.h"
#include "mainwindow/frmProge.h"
#include "rules/fieldrules.h"
#include "shell/notice.h"
#include "solar/observation.h"
#include "solar/season.h"

namespace {

const char16_t kDayEmpty[] = u" Sisesta päev ";
const char16_t kDayFilled[] = u" Muuda päev ";
const char16_t kMonthEmpty[] = u" Sisesta kuu ";
const char16_t kMonthFilled[] = u" Muuda kuu ";
const char16_t kYearEmpty[] = u" Sisesta aasta täispikkuses ";
const char16_t kYearFilled[] = u" Muuda aasta (täispikkuses) ";

}  // namespace

// ---- Shared procedures ----------------------------------------------------------

void frmProge::FilterDigitKey(char16_t &keyCode, bool minusAllowed)
{
    if (fieldrules::IsAcceptedKey(keyCode, minusAllowed))
        return;
    ShowNotice(this, fieldrules::RejectedKeyNotice());
    keyCode = 0;
}

bool frmProge::CheckFieldLimit(int value, int limit)
{
    if (value <= limit)
        return false;
    ShowNotice(this, fieldrules::TooLargeNotice());
    return true;
}

std::optional<bool> frmProge::CheckDayOfMonth(int day, int month)
{
    const auto verdict = fieldrules::CheckDayOfMonth(day, month);
    if (verdict == fieldrules::DateVerdict::NoMonth)
        return std::nullopt;
    if (const auto notice = fieldrules::DateNotice(verdict)) {
        ShowNotice(this, *notice);
        emptyAndCorrect(txtPäev);
        return false;
    }
    return true;
}

std::optional<bool> frmProge::CheckFullDate(int day, int month, int year)
{
    const auto verdict = fieldrules::CheckFullDate(day, month, year);
    if (verdict == fieldrules::DateVerdict::NoMonth)
        return std::nullopt;
    if (const auto notice = fieldrules::DateNotice(verdict)) {
        ShowNotice(this, *notice);
        emptyAndCorrect(txtPäev);
        return false;
    }
    return true;
}

void frmProge::CheckLeapDay(int day, int year)
{
    if (!fieldrules::LeapDayRejected(day, year))
        return;
    ShowNotice(this, *fieldrules::DateNotice(fieldrules::DateVerdict::NotLeapYear));
    emptyAndCorrect(txtPäev);
}

void frmProge::SetSeasonForMonth(std::int16_t month)
{
    const auto season = solar::SeasonForMonth(month);
    if (!season)
        return;
    // Selecting an option counts as a click on it.
    if (*season == solar::Season::Summer) {
        optSuveaeg->setChecked(true);
        optSuveaeg_Click();
        run_.WinterTime = false;
    } else {
        optTalveaeg->setChecked(true);
        optTalveaeg_Click();
        run_.WinterTime = true;
    }
}

void frmProge::UpdateCalculateEnabled()
{
    const std::array<std::string, 10> texts = fieldTexts(inputFields());
    const bool all = fieldrules::AllFieldsFilled(viewsOf(texts));
    cmdArvuta->setEnabled(all);
    cmdArvuta->setDefault(all);
}

// ---- Helpers of the handlers ----------------------------------------------------

void frmProge::focusForCorrection(QLineEdit *field)
{
    const bool outer = correctingFocus_;
    correctingFocus_ = true;
    field->setFocus(Qt::OtherFocusReason);
    correctingFocus_ = outer;
}

void frmProge::emptyAndCorrect(QLineEdit *field)
{
    emptyField(field);
    focusForCorrection(field);
}

void frmProge::advanceTo(QLineEdit *next)
{
    if (next->isEnabled())
        next->setFocus(Qt::OtherFocusReason);
}

// The common frame of every change handler. Returns true when the field holds
// text and its own steps are to run.
bool frmProge::changeFrame(QLineEdit *field, const char16_t *emptyHint, const char16_t *filledHint)
{
    if (field->text().isEmpty()) {
        field->setToolTip(QString::fromUtf16(emptyHint));
        cmdArvuta->setEnabled(false);
        cmdArvuta->setDefault(false);
        return false;
    }
    field->setToolTip(QString::fromUtf16(filledHint));
    UpdateCalculateEnabled();
    return true;
}

void frmProge::limitedFieldChange(QLineEdit *field, int limit, QLineEdit *next, const char16_t *emptyHint,
                                  const char16_t *filledHint)
{
    if (!changeFrame(field, emptyHint, filledHint))
        return;
    if (CheckFieldLimit(fieldValue(field), limit))
        emptyAndCorrect(field);
    if (field->text().size() == 2)
        advanceTo(next);
}

void frmProge::tidyMinutesOrSeconds(QLineEdit *field)
{
    const QString tidy = toQString(fieldrules::MinutesOrSecondsOnLeaving(toUtf8(field->text())));
    if (tidy != field->text())
        field->setText(tidy);
}

void frmProge::tidyDayOrMonth(QLineEdit *field)
{
    const QString tidy = toQString(fieldrules::DayOrMonthOnLeaving(toUtf8(field->text())));
    if (tidy != field->text())
        field->setText(tidy);
}

// ---- Key press ---------------------------------------------------------------------

void frmProge::txtPäev_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtKuu_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtAasta_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtLaiusKraad_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtLaiusMinut_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtLaiusSekund_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
// The longitude may lie west of Greenwich: its degrees take a minus sign.
void frmProge::txtPikkusKraad_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, true); }
void frmProge::txtPikkusMinut_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtPikkusSekund_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }
void frmProge::txtKõrgus_KeyPress(char16_t &keyCode) { FilterDigitKey(keyCode, false); }

// ---- Change ------------------------------------------------------------------------

void frmProge::txtPäev_Change()
{
    if (!changeFrame(txtPäev, kDayEmpty, kDayFilled))
        return;
    const int day = fieldValue(txtPäev);
    const bool tooLarge = CheckFieldLimit(day, 31);
    std::optional<bool> valid;  // no value: no date check ran
    bool dateChecked = false;
    if (!txtKuu->text().isEmpty() && day <= 31) {
        dateChecked = true;
        if (txtAasta->text().isEmpty())
            valid = CheckDayOfMonth(day, fieldValue(txtKuu));
        else
            valid = CheckFullDate(day, fieldValue(txtKuu), fieldValue(txtAasta));
    }
    if (!dateChecked) {
        if (tooLarge)
            emptyAndCorrect(txtPäev);
        else
            valid = true;
    }
    if (valid.value_or(false) && txtPäev->text().size() == 2)
        advanceTo(txtKuu);
}

void frmProge::txtKuu_Change()
{
    if (!changeFrame(txtKuu, kMonthEmpty, kMonthFilled))
        return;
    const int month = fieldValue(txtKuu);
    const bool tooLarge = CheckFieldLimit(month, 12);
    std::optional<bool> valid;
    bool dateChecked = false;
    if (txtPäev->text().isEmpty()) {
        SetSeasonForMonth(std::int16_t(month));
    } else if (month <= 12) {
        dateChecked = true;
        const int day = fieldValue(txtPäev);
        if (txtAasta->text().isEmpty())
            valid = CheckDayOfMonth(day, month);
        else
            valid = CheckFullDate(day, month, fieldValue(txtAasta));
        SetSeasonForMonth(std::int16_t(month));
    }
    if (!dateChecked) {
        if (tooLarge)
            emptyAndCorrect(txtKuu);
        else
            valid = true;
    }
    // A rejected date has emptied the day, not the month: the month stays.
    if (valid.value_or(false) && txtKuu->text().size() == 2)
        advanceTo(txtAasta);
}

void frmProge::txtAasta_Change()
{
    if (!changeFrame(txtAasta, kYearEmpty, kYearFilled))
        return;
    if (txtAasta->text().size() == 4)
        advanceTo(txtLaiusKraad);
}

void frmProge::txtLaiusKraad_Change()
{
    limitedFieldChange(txtLaiusKraad, 89, txtLaiusMinut, u" Sisesta geograafiline laius (kraad) ",
                       u" Muuda geograafiline laius (kraad) ");
}

void frmProge::txtLaiusMinut_Change()
{
    limitedFieldChange(txtLaiusMinut, 59, txtLaiusSekund, u" Sisesta geograafiline laius (minut) ",
                       u" Muuda geograafiline laius (minut) ");
}

void frmProge::txtLaiusSekund_Change()
{
    limitedFieldChange(txtLaiusSekund, 59, txtPikkusKraad, u" Sisesta geograafiline laius (sekund) ",
                       u" Muuda geograafiline laius (sekund) ");
}

void frmProge::txtPikkusKraad_Change()
{
    if (!changeFrame(txtPikkusKraad, u" Sisesta geograafiline pikkus (kraad) ",
                     u" Muuda geograafiline pikkus (kraad) "))
        return;
    if (txtPikkusKraad->text() == u"--")
        txtPikkusKraad->clear();
    if (txtPikkusKraad->text().size() == 2)
        advanceTo(txtPikkusMinut);
}

void frmProge::txtPikkusMinut_Change()
{
    limitedFieldChange(txtPikkusMinut, 59, txtPikkusSekund, u" Sisesta geograafiline pikkus (minut) ",
                       u" Muuda geograafiline pikkus (minut) ");
}

void frmProge::txtPikkusSekund_Change()
{
    limitedFieldChange(txtPikkusSekund, 59, txtKõrgus, u" Sisesta geograafiline pikkus (sekund) ",
                       u" Muuda geograafiline pikkus (sekund) ");
}

void frmProge::txtKõrgus_Change()
{
    changeFrame(txtKõrgus, u" Sisesta kõrgus merepinnast meetrites ", u" Muuda vaatluskõrgus ");
}

// ---- Leaving a field ---------------------------------------------------------------

void frmProge::txtPäev_LostFocus() { tidyDayOrMonth(txtPäev); }
void frmProge::txtKuu_LostFocus() { tidyDayOrMonth(txtKuu); }
void frmProge::txtLaiusMinut_LostFocus() { tidyMinutesOrSeconds(txtLaiusMinut); }
void frmProge::txtLaiusSekund_LostFocus() { tidyMinutesOrSeconds(txtLaiusSekund); }
void frmProge::txtPikkusMinut_LostFocus() { tidyMinutesOrSeconds(txtPikkusMinut); }
void frmProge::txtPikkusSekund_LostFocus() { tidyMinutesOrSeconds(txtPikkusSekund); }

void frmProge::txtAasta_LostFocus()
{
    if (txtAasta->text().isEmpty())
        return;
    const int year = fieldValue(txtAasta);
    if (year >= 1900) {
        if (!txtPäev->text().isEmpty() && !txtKuu->text().isEmpty() && fieldValue(txtKuu) == 2)
            CheckLeapDay(fieldValue(txtPäev), year);
        return;
    }
    // Calculate reports a year before 1900 itself while it mutes this check.
    if (run_.YearNoticeMuted)
        return;
    ShowNotice(this, fieldrules::YearBefore1900Notice());
    emptyAndCorrect(txtAasta);
}
