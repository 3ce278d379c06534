// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yearplanner.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QToolButton>

#include "gazetteer/places.h"
#include "shell/controlname.h"
#include "shell/text.h"

namespace yearview {

namespace {

using namespace Qt::StringLiterals;

// The lists are as narrow as this on a small screen and share the room
// left beside the year on a larger one.
constexpr int kListCharacters = 4;
constexpr int kListStretch = 2, kNameStretch = 3;

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

YearRequest withPlace(const YearRequest &request, std::string_view listText)
{
    const auto place = gazetteer::findPlace(listText);
    if (!place || !place->values)
        return request;
    const gazetteer::PlaceValues &v = *place->values;
    const auto twoDigits = [](std::string_view text) { return solar::FieldTextToInt16(text).value_or(0); };
    YearRequest out = request;
    solar::Observation &obs = out.observation;
    obs.latitudeDegrees = v.latitude.degrees;
    obs.latitudeMinutes = twoDigits(v.latitude.minutes);
    obs.latitudeSeconds = twoDigits(v.latitude.seconds);
    obs.longitudeDegrees = v.longitude.degrees;
    obs.longitudeMinutes = twoDigits(v.longitude.minutes);
    obs.longitudeSeconds = twoDigits(v.longitude.seconds);
    obs.longitudeNegative = false;
    obs.heightMetres = v.heightMetres;
    out.place = {solar::DecimalLatitude(obs), solar::DecimalLongitude(obs), double(obs.heightMetres)};
    out.placeName = toQString(gazetteer::placeName(listText));
    out.placeListText = toQString(listText);
    return out;
}

QDate sameDateIn(const QDate &date, int year)
{
    return QDate(year, date.month(), std::min(date.day(), QDate(year, date.month(), 1).daysInMonth()));
}

YearPlanner::YearPlanner(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"fraAastaJaKoht"_s);
    lblKohaNimi = new QLabel(this);
    lblKohaNimi->setObjectName(u"lblKohaNimi"_s);
    lblKohaNimi->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The window's title holds the whole name where the bar is too narrow for it.
    lblKohaNimi->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    spnAasta = new QSpinBox(this);
    spnAasta->setObjectName(u"spnAasta"_s);
    spnAasta->setRange(almanac::kFirstYear, almanac::kLastYear);
    spnAasta->setAccessibleName(u"Aasta"_s);
    spnAasta->setAccessibleDescription(u"Ctrl+PageUp eelmine, Ctrl+PageDown järgmine aasta"_s);
    // The year changes when typed in full or stepped, not at every digit.
    spnAasta->setKeyboardTracking(false);

    cmdEelmineAasta = new QToolButton(this);
    cmdEelmineAasta->setObjectName(u"cmdEelmineAasta"_s);
    cmdEelmineAasta->setText(u"‹"_s);
    cmdEelmineAasta->setAccessibleName(u"Eelmine aasta"_s);
    cmdEelmineAasta->setToolTip(u"Eelmine aasta (Ctrl+PageUp)"_s);
    cmdJärgmineAasta = new QToolButton(this);
    cmdJärgmineAasta->setObjectName(u"cmdJärgmineAasta"_s);
    cmdJärgmineAasta->setText(u"›"_s);
    cmdJärgmineAasta->setAccessibleName(u"Järgmine aasta"_s);
    cmdJärgmineAasta->setToolTip(u"Järgmine aasta (Ctrl+PageDown)"_s);

    cmdTäna = nameControl(new QPushButton(u"Tä&na"_s, this), u"cmdTäna"_s,
                          u"Näitab tänast kuupäeva selle aasta ülevaates"_s);
    cmdTäna->setAutoDefault(false);

    cboPiirkond2 = new QComboBox(this);
    cboPiirkond2->setObjectName(u"cboPiirkond2"_s);
    cboPiirkond2->setAccessibleName(u"Piirkond"_s);
    cboPiirkond2->setPlaceholderText(u"Vali piirkond"_s);
    for (const gazetteer::RegionEntry &region : gazetteer::regions())
        if (region.kind != gazetteer::RegionKind::Separator)
            cboPiirkond2->addItem(toQString(region.text));
    cboPiirkond2->setCurrentIndex(-1);
    cboKoht2 = new QComboBox(this);
    cboKoht2->setObjectName(u"cboKoht2"_s);
    cboKoht2->setAccessibleName(u"Koht"_s);
    cboKoht2->setPlaceholderText(u"Vali koht"_s);
    cboKoht2->setEnabled(false);
    // The open list shows the whole texts.
    for (QComboBox *list : {cboPiirkond2, cboKoht2}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(kListCharacters);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(u"&Aasta:"_s, spnAasta, this));
    layout->addWidget(cmdEelmineAasta);
    layout->addWidget(spnAasta);
    layout->addWidget(cmdJärgmineAasta);
    layout->addWidget(cmdTäna);
    layout->addWidget(lblKohaNimi, kNameStretch);
    layout->addWidget(buddyLabel(u"Pii&rkond:"_s, cboPiirkond2, this));
    layout->addWidget(cboPiirkond2, kListStretch);
    layout->addWidget(buddyLabel(u"&Koht:"_s, cboKoht2, this));
    layout->addWidget(cboKoht2, kListStretch);

    connect(spnAasta, &QSpinBox::valueChanged, this, &YearPlanner::yearChosen);
    connect(cmdEelmineAasta, &QToolButton::clicked, this, [this] { stepYear(-1); });
    connect(cmdJärgmineAasta, &QToolButton::clicked, this, [this] { stepYear(1); });
    const struct {
        Qt::Key key;
        int step;
    } yearKeys[] = {{Qt::Key_PageUp, -1}, {Qt::Key_PageDown, 1}};
    for (const auto &yearKey : yearKeys) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::ControlModifier | yearKey.key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = yearKey.step] { stepYear(step); });
    }
    connect(cmdTäna, &QPushButton::clicked, this, &YearPlanner::todayChosen);
    connect(cboPiirkond2, &QComboBox::activated, this,
            [this] { fillPlaces(cboPiirkond2->currentText(), QString()); });
    connect(cboKoht2, &QComboBox::activated, this, [this] { emit placeChosen(cboKoht2->currentText()); });
}

void YearPlanner::stepYear(int step) { spnAasta->setValue(spnAasta->value() + step); }

void YearPlanner::fillPlaces(const QString &regionText, const QString &current)
{
    cboKoht2->clear();
    const auto region = gazetteer::findRegion(toUtf8(regionText));
    cboKoht2->setEnabled(region.has_value());
    if (!region)
        return;
    auto *model = qobject_cast<QStandardItemModel *>(cboKoht2->model());
    for (const gazetteer::PlaceEntry &place : region->entries) {
        cboKoht2->addItem(toQString(place.listText));
        // A town divided into districts heads them and cannot be chosen itself.
        if (!place.values && model)
            model->item(cboKoht2->count() - 1)->setEnabled(false);
    }
    cboKoht2->setCurrentIndex(cboKoht2->findText(current));
}

void YearPlanner::setRequest(const YearRequest &request)
{
    const QSignalBlocker blockYear(spnAasta);
    spnAasta->setValue(request.year);
    lblKohaNimi->setText(request.placeName);
    const auto region = gazetteer::regionOfPlace(toUtf8(request.placeListText));
    cboPiirkond2->setCurrentIndex(region ? cboPiirkond2->findText(toQString(region->text)) : -1);
    fillPlaces(region ? toQString(region->text) : QString(), request.placeListText);
}

}  // namespace yearview
