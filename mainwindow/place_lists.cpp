// SPDX-License-Identifier: GPL-3.0-or-later
// The two gazetteer lists of the main window: the region combo cboNimestik
// and the place combo cboPiirkond. Every text written into an input field is an
// ordinary change of that field, so its change handling runs as for typing.
#include "gazetteer/places.h"
#include "mainwindow/fieldtext.h"
#include "mainwindow/frmProge.h"
#include "shell/notice.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <string>

namespace {

using namespace Qt::StringLiterals;

const QString kRegionPrompt = u"         >Vali piirkond<"_s;

// The heading of the place list for whatever the region combo holds.
QString placeListHeading(const QString &regionText) { return u"    >"_s + regionText + u"<"_s; }

// The seven place fields, always emptied in this order; each emptying runs the
// field's change handling.
void emptyPlaceFields(const MainWindowControls &w)
{
    for (QLineEdit *field : {w.txtLaiusKraad, w.txtLaiusMinut, w.txtLaiusSekund, w.txtPikkusKraad,
                             w.txtPikkusMinut, w.txtPikkusSekund, w.txtKõrgus})
        emptyField(field);
}

}  // namespace

void frmProge::FillRegionList()
{
    // Appending to an empty combo would select its first line; the prompt stays.
    const QString shown = cboNimestik->currentText();
    for (std::string_view text : gazetteer::regionTexts())
        cboNimestik->addItem(toQString(text));
    cboNimestik->setCurrentIndex(-1);
    cboNimestik->setEditText(shown);
}

void frmProge::cboNimestik_Click() { FillPlaceList(); }

void frmProge::FillPlaceList()
{
    const QString regionText = cboNimestik->currentText();
    const auto region = gazetteer::findRegion(toUtf8(regionText));
    if (!region)
        return;
    if (region->kind == gazetteer::RegionKind::Separator) {
        DisablePlaceList();
        cboPiirkond->setEditText(toQString(region->heading));
        return;
    }
    PreparePlaceList();
    for (const gazetteer::PlaceEntry &place : region->entries)
        cboPiirkond->addItem(toQString(place.listText));
    // No line is selected, so the first arrow key steps onto the first line.
    cboPiirkond->setCurrentIndex(-1);
    cboPiirkond->setEditText(toQString(region->heading));
}

void frmProge::PreparePlaceList()
{
    cboPiirkond->setEnabled(true);
    cboPiirkond->clear();
    cboPiirkond->setToolTip(toQString(gazetteer::placeListTooltip(toUtf8(cboNimestik->currentText()))));
    emptyPlaceFields(*this);
}

void frmProge::DisablePlaceList()
{
    cboPiirkond->clear();
    cboPiirkond->setEnabled(false);  // the tooltip of the last listed region stays
    emptyPlaceFields(*this);
}

void frmProge::cboPiirkond_Click() { ApplyPlaceCoordinates(); }

void frmProge::ApplyPlaceCoordinates()
{
    const auto place = gazetteer::findPlace(toUtf8(cboPiirkond->currentText()));
    if (place && place->kind == gazetteer::PlaceKind::TownHeading)
        ShowChooseDistrictNotice();  // empties the place text
    if (cboPiirkond->currentText().isEmpty() || !place || !place->values)
        return;

    // A year already there, valid or not, is left alone.
    if (txtAasta->text().isEmpty())
        txtAasta->setText(QString::number(QDate::currentDate().year()));

    const gazetteer::PlaceValues &v = *place->values;
    txtLaiusKraad->setText(QString::number(v.latitude.degrees));
    txtLaiusMinut->setText(toQString(v.latitude.minutes));
    txtLaiusSekund->setText(toQString(v.latitude.seconds));
    txtPikkusKraad->setText(QString::number(v.longitude.degrees));
    txtPikkusMinut->setText(toQString(v.longitude.minutes));
    txtPikkusSekund->setText(toQString(v.longitude.seconds));
    txtKõrgus->setText(QString::number(v.heightMetres));

    // The fields' own handling has moved the focus along; only the day and
    // the month are left to type.
    txtPäev->setFocus();
}

void frmProge::ShowChooseDistrictNotice()
{
    ShowNotice(this, u"Tähelepanu"_s, u"Vali alltoodud linnaosade hulgast"_s);
    cboPiirkond->setEditText(QString());  // its lines stay
    emptyPlaceFields(*this);
}

void frmProge::cboNimestik_LostFocus()
{
    if (!cboNimestik->currentText().isEmpty())
        return;
    cboNimestik->setEditText(kRegionPrompt);
    cboPiirkond->setEditText(QString());
}

void frmProge::cboPiirkond_LostFocus()
{
    if (cboPiirkond->currentText().isEmpty())
        cboPiirkond->setEditText(placeListHeading(cboNimestik->currentText()));
}
