// SPDX-License-Identifier: GPL-3.0-or-later
// The three commands: Calculate, Clear and Exit.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/fieldtext.h"
#include "mainwindow/frmProge.h"
#include "rules/fieldrules.h"
#include "shell/notice.h"
#include "solar/observation.h"

void frmProge::cmdArvuta_Click()
{
    // The window takes no input while a dialog is open over it: an access
    // key's delayed click that lands under a notice is dropped.
    if (QApplication::activeModalWidget())
        return;
    // The checks are made on the texts as they stand: when Calculate runs from
    // Enter inside a field, that field has not been left and not been tidied.
    if (fieldValue(txtPäev) == 0) {
        ShowNotice(this, QStringLiteral("Tähelepanu"), QStringLiteral("0-päeva ei ole olemas..."));
        emptyAndCorrect(txtPäev);
        return;
    }
    if (fieldValue(txtKuu) == 0) {
        ShowNotice(this, QStringLiteral("Tähelepanu"), QStringLiteral("0-kuud ei ole olemas..."));
        emptyAndCorrect(txtKuu);
        return;
    }
    if (fieldValue(txtAasta) < 1900) {
        // The year field's own leaving check must not report the same year again.
        run_.YearNoticeMuted = true;
        ShowNotice(this, fieldrules::YearBefore1900Notice());
        emptyAndCorrect(txtAasta);
        run_.YearNoticeMuted = false;
        return;
    }
    // The field checks can be passed by the order of entry (day and month
    // typed before the year, the year then written by a place pick): the whole
    // date is checked once more here.
    if (CheckFullDate(fieldValue(txtPäev), fieldValue(txtKuu), fieldValue(txtAasta)) == false)
        return;
    // The longitude degrees take minus signs anywhere while typing; only a
    // whole number can be computed.
    if (!solar::FieldTextToInt16(txtPikkusKraad->text().toStdString(), true)) {
        ShowNotice(this, fieldrules::RejectedKeyNotice());
        emptyAndCorrect(txtPikkusKraad);
        return;
    }
    for (QLineEdit *field :
         {txtPäev, txtKuu, txtLaiusMinut, txtLaiusSekund, txtPikkusMinut, txtPikkusSekund}) {
        const QString two = toQString(fieldrules::CompleteToTwoDigits(field->text().toStdString()));
        if (two != field->text())
            field->setText(two);
    }
    ComputeResults();
}

void frmProge::cmdTühjenda_Click()
{
    if (QApplication::activeModalWidget())
        return;
    lblPäev_Nädal->clear();
    for (QLabel *label : {lblNurkA_Tõ,     lblNurkB_Tõ,   lblNurkC_Tõ,           lblNurkD_Tõ,
                          lblPäiHorKoh_Tõ, lblNurkE_Tõ,   lblKohKeskP_Tõ,        lblPäiTõu_st_KeskP_ni,
                          lblTühi_Tõ,      lblPäiTõuKell, lblNurkA_Lo,           lblNurkB_Lo,
                          lblNurkC_Lo,     lblNurkD_Lo,   lblPäiHorKoh_Lo,       lblNurkE_Lo,
                          lblKohKeskP_Lo,  lblTühi_Lo,    lblKeskP_st_PäiLoo_ni, lblPäiLooKell})
        label->clear();
    clearPreciseTimeTips();
    EnableInputFields();
    ResetSeasonHints();
    lblPöörlemiskiir->clear();
    lblRaskuskiir->clear();
    // The year, the place and the height stay for the next date. The focus
    // arrives before the texts go, so that a screen reader, told of the focus
    // first, says where the user is.
    txtPäev->setFocus(Qt::OtherFocusReason);
    emptyField(txtPäev);
    emptyField(txtKuu);
    fraTulem->setTitle(QStringLiteral("Sisesta uued andmed..."));
    run_.ResultsShown = false;
    cboNimestik->setEnabled(true);
    cmdTühjenda->setEnabled(false);
}

void frmProge::cmdVälju_Click()
{
    // Ends the program at once: nothing is saved and nothing is asked.
    endProgram(0);
}

void frmProge::ResetSeasonHints()
{
    const QString tip = QStringLiteral(" Vali suveaeg või talveaeg ");
    optSuveaeg->setToolTip(tip);
    optTalveaeg->setToolTip(tip);
}

void frmProge::EnableInputFields()
{
    for (QLineEdit *field : inputFields())
        field->setEnabled(true);
}
