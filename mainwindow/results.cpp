// SPDX-License-Identifier: GPL-3.0-or-later
// The thin layer between the window and the computation: reads the ten
// fields, hands them to the pure functions, writes the result labels.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string>

#include "mainwindow/fieldtext.h"
#include "mainwindow/frmProge.h"
#include "shell/look.h"
#include "shell/text.h"
#include "solar/results.h"

namespace {

std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

// A column's nine labels, in the order of its rows.
void writeColumn(const std::array<QLabel *, 9> &labels, const solar::ColumnResult &column)
{
    for (std::size_t row = 0; row < labels.size(); ++row)
        labels[row]->setText(toQString(column.texts[row]));
}

}  // namespace

void frmProge::ComputeResults()
{
    const std::optional<solar::Observation> obs = readObservation(inputFields());
    if (!obs)
        return;  // the input side lets only whole numbers of each field's form through

    const solar::DayResults day = solar::ComputeDayResults(*obs, decimalSeparator());
    run_.HorizonSine = day.horizonSine;

    lblPäev_Nädal->setText(toQString(day.dayWeekText));
    lblPöörlemiskiir->setText(toQString(day.rotationSpeedText));
    lblRaskuskiir->setText(toQString(day.gravityText));
    lblTühi_Tõ->setText(toQString(solar::kEmptyRowText));
    lblTühi_Lo->setText(toQString(solar::kEmptyRowText));
    fraTulem->setTitle(toQString(day.resultCaption));
    run_.ResultsShown = true;

    DisableInputFields();
    ShowSeasonHints();

    ComputeSunriseColumn(*obs, day.dayOfYear, day.latitude, day.longitude);
    ComputeSunsetColumn(*obs, day.dayOfYear, day.latitude, day.longitude);
    computePreciseDay(*obs, day.latitude, day.longitude);
    showPreciseTimeTips(!run_.WinterTime);

    ShowResultCaptions();

    cboNimestik->setEnabled(false);
    cboPiirkond->setEnabled(false);
    cmdArvuta->setEnabled(false);
    cmdArvuta->setDefault(false);
    cmdTühjenda->setEnabled(true);
    cmdTühjenda->setFocus();
}

// The observation itself is not needed: N, latitude and longitude say it all.
void frmProge::ComputeSunriseColumn(const solar::Observation &, std::int16_t dayOfYear, double latitude,
                                    double longitude)
{
    run_.EventMode = 1;
    const solar::ColumnResult column = solar::ComputeColumn(run_.EventMode, dayOfYear, latitude, longitude,
                                                            run_.WinterTime ? 1 : 0, run_.HorizonSine);
    run_.storeColumn(column);

    writeColumn({lblNurkA_Tõ, lblNurkB_Tõ, lblNurkC_Tõ, lblNurkD_Tõ, lblPäiHorKoh_Tõ, lblNurkE_Tõ,
                 lblKohKeskP_Tõ, lblPäiTõu_st_KeskP_ni, lblPäiTõuKell},
                column);
    run_.EventMode = 0;
}

void frmProge::ComputeSunsetColumn(const solar::Observation &, std::int16_t dayOfYear, double latitude,
                                   double longitude)
{
    run_.EventMode = 2;
    const solar::ColumnResult column = solar::ComputeColumn(run_.EventMode, dayOfYear, latitude, longitude,
                                                            run_.WinterTime ? 1 : 0, run_.HorizonSine);
    run_.storeColumn(column);

    writeColumn({lblNurkA_Lo, lblNurkB_Lo, lblNurkC_Lo, lblNurkD_Lo, lblPäiHorKoh_Lo, lblNurkE_Lo,
                 lblKohKeskP_Lo, lblKeskP_st_PäiLoo_ni, lblPäiLooKell},
                column);
    run_.EventMode = 0;
}

void frmProge::DisableInputFields()
{
    for (QLineEdit *field : inputFields())
        field->setEnabled(false);
}

void frmProge::ShowSeasonHints()
{
    const QString hint = run_.WinterTime ? QStringLiteral(" Talveaeg ") : QStringLiteral(" Suveaeg ");
    optSuveaeg->setToolTip(hint);
    optTalveaeg->setToolTip(hint);
}

void frmProge::ShowResultCaptions()
{
    const std::pair<QLabel *, const char *> captions[] = {
        {lblPäevNädaNr_Aastas, "Päeva / Nädala Nr. aastas:"},
        {lblNurkA, "Nurk, mille Maa läbis 01. jaan. kuni valitud kuupäevani"},
        {lblNurkB, "Nurk periheelis"},
        {lblNurkC, "Nurk kevadpunktis"},
        {lblNurkD, "Tähe kaldenurk"},
        {lblPäikKõrgHoriKohal, "Päikese kõrgus horisondi kohal keskpäeval"},
        {lblNurkE, "Päikesekella ja elektronkella vahe"},
        {lblKohaKeskpäev, "Kohalik keskpäev (GMT +2)"},
        {lblPäikTõus_st_Keskpäev_ni, "Aeg päikesetõusust keskpäevani"},
        {lblKeskpäev_st_PäikLooj_ni, "Aeg keskpäevast päikeseloojanguni"},
        {lblPäikTõusLoojKell, "Päike tõuseb / loojub kell (GMT +2):"},
        {lblMaaPöörKiir, "Maa Pöörlemiskiirus "},
        {lblMaaRaskKiir, "Raskuskiirendus maapinnal  "},
    };
    for (const auto &[label, caption] : captions) {
        label->setText(toQString(caption));
        look::fitText(label);
    }
}
