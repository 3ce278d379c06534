// SPDX-License-Identifier: GPL-3.0-or-later
// The results frame's context menu and F2: the year overview of the place and
// year computed, and the results copied as text. The overview lives in a
// module of its own, loaded the first time it is asked for.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPluginLoader>
#include <QRadioButton>

#include "gazetteer/places.h"
#include "mainwindow/fieldtext.h"
#include "mainwindow/frmProge.h"
#include "shell/notice.h"
#include "shell/text.h"
#include "solar/season.h"
#include "yearview/yearview.h"

namespace {

using namespace Qt::StringLiterals;

// The place list's line, when the seven place fields still hold its values.
std::optional<gazetteer::PlaceEntry> pickedPlace(const MainWindowControls &w)
{
    const auto place = gazetteer::findPlace(toUtf8(w.cboPiirkond->currentText()));
    if (!place || !place->values)
        return std::nullopt;
    const gazetteer::PlaceValues &v = *place->values;
    const bool same = w.txtLaiusKraad->text() == QString::number(v.latitude.degrees)
        && w.txtLaiusMinut->text() == toQString(v.latitude.minutes)
        && w.txtLaiusSekund->text() == toQString(v.latitude.seconds)
        && w.txtPikkusKraad->text() == QString::number(v.longitude.degrees)
        && w.txtPikkusMinut->text() == toQString(v.longitude.minutes)
        && w.txtPikkusSekund->text() == toQString(v.longitude.seconds)
        && w.txtKõrgus->text() == QString::number(v.heightMetres);
    return same ? place : std::nullopt;
}

QString twoDigits(int n) { return u"%1"_s.arg(n, 2, 10, QLatin1Char('0')); }

// Typed coordinates as the overview's title writes them:
// "69° 39' 00'' p.l., 18° 57' 00'' i.p." (north latitude; east or west longitude).
QString coordinatesText(const solar::Observation &obs)
{
    const auto dms = [](int degrees, int minutes, int seconds) {
        return u"%1° %2' %3''"_s.arg(degrees).arg(twoDigits(minutes), twoDigits(seconds));
    };
    const bool west = obs.longitudeNegative || obs.longitudeDegrees < 0;
    return dms(obs.latitudeDegrees, obs.latitudeMinutes, obs.latitudeSeconds) + u" p.l., "_s
        + dms(std::abs(obs.longitudeDegrees), obs.longitudeMinutes, obs.longitudeSeconds)
        + (west ? u" l.p."_s : u" i.p."_s);
}

// The module's folder relative to the program's once installed, set by the build.
#ifndef VORANDEL_MODULE_DIR
#error "VORANDEL_MODULE_DIR is not defined"
#endif

// Beside the program (the build tree), where it is installed, then Qt's
// library paths.
yearview::YearOverviewModule *yearOverviewModule(QString &error)
{
    static yearview::YearOverviewModule *module = nullptr;
    if (module)
        return module;
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        programDir + u"/vorandel_yearview"_s,
        QDir::cleanPath(programDir + u'/' + QStringLiteral(VORANDEL_MODULE_DIR) + u"/vorandel_yearview"_s),
        u"vorandel_yearview"_s,
    };
    for (const QString &candidate : candidates) {
        // Kept for the program's lifetime: its windows live in the module.
        auto *loader = new QPluginLoader(candidate, qApp);
        module = qobject_cast<yearview::YearOverviewModule *>(loader->instance());
        if (module)
            return module;
        error = loader->errorString();
        delete loader;
    }
    return nullptr;
}

}  // namespace

void frmProge::setUpYearOverview()
{
    mnuTulem = new QMenu(this);
    mnuTulem->setObjectName(u"mnuTulem"_s);
    mnuTulem->setAccessibleName(u"Tulemuste menüü"_s);
    mnuAastaÜlevaade = mnuTulem->addAction(u"Aasta ülevaade..."_s);
    mnuAastaÜlevaade->setObjectName(u"mnuAastaÜlevaade"_s);
    // Shown in the menu; the window's own key handling opens it.
    mnuAastaÜlevaade->setShortcut(QKeySequence(Qt::Key_F2));
    mnuAastaÜlevaade->setShortcutContext(Qt::WidgetShortcut);
    mnuKopeeri = mnuTulem->addAction(u"Kopeeri tulemused"_s);
    mnuKopeeri->setObjectName(u"mnuKopeeri"_s);
    connect(mnuAastaÜlevaade, &QAction::triggered, this, &frmProge::OpenYearOverview);
    connect(mnuKopeeri, &QAction::triggered, this, &frmProge::CopyResults);
    fraTulem->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fraTulem, &QWidget::customContextMenuRequested, this, &frmProge::fraTulem_ContextMenu);
}

void frmProge::fraTulem_ContextMenu(const QPoint &position)
{
    const bool shown = run_.ResultsShown;
    mnuAastaÜlevaade->setEnabled(shown);
    mnuKopeeri->setEnabled(shown);
    mnuTulem->popup(fraTulem->mapToGlobal(position));
}

bool frmProge::ResultsMenuKey(const QKeyEvent *event)
{
    // None of these keys types a character, so no field rule runs.
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        OpenYearOverview();
        return true;
    }
    if ((event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
        || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        fraTulem_ContextMenu(fraTulem->rect().center());
        return true;
    }
    return false;
}

void frmProge::OpenYearOverview()
{
    if (!run_.ResultsShown)
        return;
    const std::optional<solar::Observation> obs = readObservation(inputFields());
    if (!obs)
        return;
    if (obs->year < almanac::kFirstYear || obs->year > almanac::kLastYear) {
        ShowNotice(this, u"Aasta ülevaade"_s,
                   u"Aasta ülevaade on olemas aastate %1–%2 kohta."_s.arg(almanac::kFirstYear)
                       .arg(almanac::kLastYear));
        return;
    }
    yearview::YearRequest request;
    request.place = {solar::DecimalLatitude(*obs), solar::DecimalLongitude(*obs), double(obs->heightMetres)};
    request.year = obs->year;
    request.observation = *obs;
    if (const auto place = pickedPlace(*this)) {
        request.placeName = toQString(gazetteer::placeName(place->listText));
        request.placeListText = toQString(place->listText);
    } else
        request.placeName = coordinatesText(*obs);

    QString error;
    yearview::YearOverviewModule *module = yearOverviewModule(error);
    if (!module) {
        ShowNotice(this, u"Aasta ülevaade"_s, u"Aasta ülevaate moodulit ei leitud."_s, error);
        return;
    }
    module->showOverview(this, request);
}

QString frmProge::ResultsText() const
{
    if (!run_.ResultsShown)
        return {};
    const auto caption = [](const QLabel *label) {
        QString text = label->text().trimmed();
        while (text.endsWith(u':'))
            text.chop(1);
        return text.trimmed();
    };
    const auto value = [](const QLabel *label) { return label->text().trimmed(); };
    const auto isEmptyRow = [](const QLabel *label) { return label->objectName().startsWith(u"lblTühi"_s); };

    QStringList lines;
    lines << u"Kuupäev: "_s + txtPäev->text() + u'.' + txtKuu->text() + u'.' + txtAasta->text();
    lines << u"Geogr. laius: %1° %2' %3''"_s.arg(txtLaiusKraad->text(), txtLaiusMinut->text(),
                                                 txtLaiusSekund->text());
    lines << u"Geogr. pikkus: %1° %2' %3''"_s.arg(txtPikkusKraad->text(), txtPikkusMinut->text(),
                                                  txtPikkusSekund->text());
    lines << u"Vaatluskõrgus: "_s + txtKõrgus->text() + u" m"_s;
    if (const auto place = pickedPlace(*this))
        lines << u"Koht: "_s + toQString(gazetteer::placeName(place->listText));
    lines << u"Sesoon: "_s
            + toQString(solar::SeasonCaption(optTalveaeg->isChecked() ? solar::Season::Winter
                                                                      : solar::Season::Summer));
    lines << u"Nädalapäev: "_s + fraTulem->title().section(u'/', 1, 1);
    lines << caption(lblPäevNädaNr_Aastas) + u": "_s + value(lblPäev_Nädal);

    const std::tuple<QLabel *, QLabel *, QLabel *> rows[] = {
        {lblNurkA, lblNurkA_Tõ, lblNurkA_Lo},
        {lblNurkB, lblNurkB_Tõ, lblNurkB_Lo},
        {lblNurkC, lblNurkC_Tõ, lblNurkC_Lo},
        {lblNurkD, lblNurkD_Tõ, lblNurkD_Lo},
        {lblPäikKõrgHoriKohal, lblPäiHorKoh_Tõ, lblPäiHorKoh_Lo},
        {lblNurkE, lblNurkE_Tõ, lblNurkE_Lo},
        {lblKohaKeskpäev, lblKohKeskP_Tõ, lblKohKeskP_Lo},
        {lblPäikTõus_st_Keskpäev_ni, lblPäiTõu_st_KeskP_ni, lblTühi_Lo},
        {lblKeskpäev_st_PäikLooj_ni, lblTühi_Tõ, lblKeskP_st_PäiLoo_ni},
        {lblPäikTõusLoojKell, lblPäiTõuKell, lblPäiLooKell},
    };
    for (const auto &[label, rise, set] : rows) {
        QStringList values;
        for (QLabel *v : {rise, set})
            if (!isEmptyRow(v))
                values << value(v);
        lines << caption(label) + u": "_s + values.join(u" / "_s);
    }
    lines << caption(lblMaaPöörKiir) + u": "_s + value(lblPöörlemiskiir);
    lines << caption(lblMaaRaskKiir) + u": "_s + value(lblRaskuskiir);
    return lines.join(u'\n') + u'\n';
}

void frmProge::CopyResults()
{
    if (run_.ResultsShown)
        QGuiApplication::clipboard()->setText(ResultsText());
}
