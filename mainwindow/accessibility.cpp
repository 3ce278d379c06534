// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says about the main window: an Estonian name for every
// input, command, list and season option; the input's hint (its tooltip,
// " Sisesta ... " or " Muuda ...") as its description; and every result value
// announced with its meaning, "Päike tõuseb kell 03:59:53".
//
// What a command has done is said where it leaves the focus: Calculate's
// sunrise and sunset on Clear, a season switch's times on the option, a place
// pick's coordinates on the day field.
#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/accessible_interfaces.h"
#include "mainwindow/frmProge.h"
#include "rules/textunits.h"

namespace {

using accessible::spokenValue;

QString spokenWords(const QString &text)
{
    return QString::fromStdU16String(textunits::withoutLetterSpacing(text.toStdU16String()));
}

// The sunrise and sunset as a screen reader says them.
QString spokenSunTimes(const frmProge *w)
{
    QString sunset = spokenValue(w->controls().lblPäiLooKell);
    if (!sunset.isEmpty())
        sunset[0] = sunset[0].toLower();
    return spokenValue(w->controls().lblPäiTõuKell) + QStringLiteral(", ") + sunset;
}

void describe(QWidget *w, const QString &description)
{
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

// Says what a command has just done through the description of the control
// that the command gives the focus to, set as the focus arrives, before the
// screen reader is told of the focus: the sunrise and sunset on Clear after
// Calculate, the filled coordinates on the day field after a place pick.
class FocusDescriber : public QObject
{
public:
    explicit FocusDescriber(frmProge *window)
        : QObject(window)
    { }

    bool placePicked = false;  // from a place pick to the end of its handling

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // While the window is taken down its controls still pass the focus
        // on; by then it is no longer a frmProge, and nothing is said.
        auto *w = qobject_cast<frmProge *>(parent());
        if (!w)
            return false;
        if (watched == w->controls().cmdTühjenda && event->type() == QEvent::FocusIn) {
            describe(w->controls().cmdTühjenda,
                     w->runState().ResultsShown ? spokenSunTimes(w) + QStringLiteral(". ")
                             + w->controls().cmdTühjenda->toolTip().trimmed()
                                                : QString());
        } else if (watched == w->controls().txtPäev && event->type() == QEvent::FocusIn && placePicked) {
            describe(w->controls().txtPäev,
                     QStringLiteral("Koordinaadid ja kõrgus täidetud: ")
                         + spokenWords(w->controls().cboPiirkond->currentText()) + QStringLiteral(". ")
                         + w->controls().txtPäev->toolTip().trimmed());
        } else if (watched == w->controls().txtPäev && event->type() == QEvent::FocusOut) {
            placePicked = false;
            describe(w->controls().txtPäev, QString());  // the hint again
        }
        return false;
    }
};

// Each season option by its own meaning; while results are shown the option
// selected also says the sunrise and sunset it shows. A switch gives the
// option the focus after it has re-timed the labels, so the screen reader
// hears the new times as the focus arrives (or, where the option had the
// focus already, as its description changes).
void describeSeasonOptions(frmProge *w)
{
    const std::pair<QRadioButton *, QString> options[] = {
        {w->controls().optSuveaeg, QStringLiteral("Kellaajad suveajas, GMT +3")},
        {w->controls().optTalveaeg, QStringLiteral("Kellaajad talveajas, GMT +2")},
    };
    for (const auto &[option, meaning] : options) {
        const bool showsTimes = w->runState().ResultsShown && option->isChecked();
        describe(option, showsTimes ? meaning + QStringLiteral(". ") + spokenSunTimes(w) : meaning);
    }
}

// Tells a screen reader that a field's description changed whenever its
// tooltip (the hint) does; the description itself is read from the tooltip.
class HintAnnouncer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTipChange) {
            QAccessibleEvent changed(watched, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }
};

}  // namespace

void frmProge::setUpAccessibility()
{
    // The inputs: the hint stays their description (an empty accessible
    // description makes Qt read the tooltip), and changes are announced.
    const std::pair<QLineEdit *, const char16_t *> inputs[] = {
        {txtPäev, u"Päev"},
        {txtKuu, u"Kuu"},
        {txtAasta, u"Aasta"},
        {txtLaiusKraad, u"Laiuskraad"},
        {txtLaiusMinut, u"Laiusminut"},
        {txtLaiusSekund, u"Laiussekund"},
        {txtPikkusKraad, u"Pikkuskraad"},
        {txtPikkusMinut, u"Pikkusminut"},
        {txtPikkusSekund, u"Pikkussekund"},
        {txtKõrgus, u"Kõrgus merepinnast meetrites"},
    };
    auto *announcer = new HintAnnouncer(this);
    for (const auto &[field, name] : inputs) {
        field->setAccessibleName(QString::fromUtf16(name));
        field->installEventFilter(announcer);
    }

    // The captions of the buttons carry access-key marks and, for Exit, spaced letters.
    cmdArvuta->setAccessibleName(QStringLiteral("Arvuta"));
    cmdTühjenda->setAccessibleName(QStringLiteral("Tühjenda"));
    cmdVälju->setAccessibleName(QStringLiteral("Välju"));
    cboNimestik->setAccessibleName(QStringLiteral("Piirkond"));
    cboPiirkond->setAccessibleName(QStringLiteral("Koht"));
    accessible::markNamedList(cboNimestik);
    accessible::markNamedList(cboPiirkond);
    // The hint spells its words out letter by letter; said as words.
    cboNimestik->setAccessibleDescription(spokenWords(cboNimestik->toolTip()));
    optSuveaeg->setAccessibleName(QStringLiteral("Suveaeg"));
    optTalveaeg->setAccessibleName(QStringLiteral("Talveaeg"));
    // Each option by its own meaning (their tooltips tell the season of the
    // times shown, the same on both).
    describeSeasonOptions(this);
    fraSesoon->setAccessibleName(QStringLiteral("Sesoon"));
    fraTõus->setAccessibleName(QStringLiteral("Tõus"));
    fraLoojang->setAccessibleName(QStringLiteral("Loojang"));
    accessible::markResultsFrame(fraTulem);
    imgAbout->setAccessibleName(QStringLiteral("Programmist"));
    imgAbout->setAccessibleDescription(QStringLiteral("Teave programmi kohta, klahv F1"));
    accessible::markAboutPicture(imgAbout);

    // The unit signs are said as words.
    for (QLabel *degrees : {Label8, Label11})
        degrees->setAccessibleName(QStringLiteral("kraadi"));
    for (QLabel *minutes : {Label9, Label12})
        minutes->setAccessibleName(QStringLiteral("minutit"));
    for (QLabel *seconds : {Label10, Label13})
        seconds->setAccessibleName(QStringLiteral("sekundit"));
    Label14->setAccessibleName(QStringLiteral("meetrit"));

    // The lines of both lists as words; the empty line says what it is.
    auto nameLines = [](QComboBox *list, int first, int last) {
        for (int i = first; i <= last; ++i) {
            const QString text = list->itemText(i);
            const QString spoken = text.isEmpty() ? QStringLiteral("Eraldusjoon") : spokenWords(text);
            if (spoken != text)
                list->setItemData(i, spoken, Qt::AccessibleTextRole);
        }
    };
    nameLines(cboNimestik, 0, cboNimestik->count() - 1);
    connect(cboPiirkond->model(), &QAbstractItemModel::rowsInserted, cboPiirkond,
            [list = cboPiirkond, nameLines](const QModelIndex &, int first, int last) {
                nameLines(list, first, last);
            });

    // The row captions replace the character pictures once: from then on they
    // are children of the results frame.
    const QList<QLabel *> captions = {lblPäevNädaNr_Aastas,
                                      lblNurkA,
                                      lblNurkB,
                                      lblNurkC,
                                      lblNurkD,
                                      lblPäikKõrgHoriKohal,
                                      lblNurkE,
                                      lblKohaKeskpäev,
                                      lblPäikTõus_st_Keskpäev_ni,
                                      lblKeskpäev_st_PäikLooj_ni,
                                      lblPäikTõusLoojKell,
                                      lblMaaPöörKiir,
                                      lblMaaRaskKiir};
    for (QLabel *caption : captions)
        accessible::markDecorative(caption);
    connect(cmdArvuta, &QPushButton::clicked, this, [captions] {
        for (QLabel *caption : captions)
            accessible::joinWhenNoLongerDecorative(caption);
    });

    // What a command has done is said where it puts the focus.
    auto *describer = new FocusDescriber(this);
    cmdTühjenda->installEventFilter(describer);
    txtPäev->installEventFilter(describer);
    // A pick first changes the list's line, then runs its handler (which
    // moves the focus), then this window's own handling after it.
    connect(cboPiirkond, &QComboBox::currentIndexChanged, describer,
            [describer](int index) { describer->placePicked = index >= 0; });
    connect(cboPiirkond, &QComboBox::activated, describer, [describer] { describer->placePicked = false; });
    for (QPushButton *command : {cmdArvuta, cmdTühjenda})
        connect(command, &QPushButton::clicked, this, [this] { describeSeasonOptions(this); });
    for (QRadioButton *option : {optSuveaeg, optTalveaeg})
        connect(option, &QRadioButton::clicked, this, [this] { describeSeasonOptions(this); });
    connect(cmdTühjenda, &QPushButton::clicked, this, [this] { describe(cmdTühjenda, QString()); });

    // The value labels: what each value means, said before it.
    struct Spoken {
        QLabel *label;
        const char16_t *prefix;
        const char16_t *polarPrefix = nullptr;
    };
    const Spoken values[] = {
        {picKell, u"Kell"},
        {picJuuliusePäev, u"Juuliuse päev"},
        {lblPäev_Nädal, u"Päeva / nädala number aastas"},
        {lblNurkA_Tõ, u"Tõus: nurk, mille Maa läbis 1. jaanuarist"},
        {lblNurkB_Tõ, u"Tõus: nurk periheelis"},
        {lblNurkC_Tõ, u"Tõus: nurk kevadpunktis"},
        {lblNurkD_Tõ, u"Tõus: Päikese kaldenurk"},
        {lblPäiHorKoh_Tõ, u"Tõus: Päikese kõrgus horisondi kohal keskpäeval"},
        {lblNurkE_Tõ, u"Tõus: päikesekella ja elektronkella vahe"},
        {lblKohKeskP_Tõ, u"Tõus: kohalik keskpäev kell"},
        {lblPäiTõu_st_KeskP_ni, u"Aeg päikesetõusust keskpäevani"},
        {lblPäiTõuKell, u"Päike tõuseb kell", u"Päikesetõus:"},
        {lblNurkA_Lo, u"Loojang: nurk, mille Maa läbis 1. jaanuarist"},
        {lblNurkB_Lo, u"Loojang: nurk periheelis"},
        {lblNurkC_Lo, u"Loojang: nurk kevadpunktis"},
        {lblNurkD_Lo, u"Loojang: Päikese kaldenurk"},
        {lblPäiHorKoh_Lo, u"Loojang: Päikese kõrgus horisondi kohal keskpäeval"},
        {lblNurkE_Lo, u"Loojang: päikesekella ja elektronkella vahe"},
        {lblKohKeskP_Lo, u"Loojang: kohalik keskpäev kell"},
        {lblKeskP_st_PäiLoo_ni, u"Aeg keskpäevast päikeseloojanguni"},
        {lblPäiLooKell, u"Päike loojub kell", u"Päikeseloojang:"},
        {lblPöörlemiskiir, u"Maa pöörlemiskiirus"},
        {lblRaskuskiir, u"Raskuskiirendus maapinnal"},
        // The filler rows of the two columns say nothing.
        {lblTühi_Tõ, u""},
        {lblTühi_Lo, u""},
    };
    QList<QObject *> own = {cboNimestik, cboPiirkond, fraTulem, imgAbout};
    for (const Spoken &v : values) {
        accessible::markValueLabel(v.label, QString::fromUtf16(v.prefix),
                                   v.polarPrefix ? QString::fromUtf16(v.polarPrefix) : QString());
        own.append(v.label);
    }
    // The ten inputs and the lists' own text fields.
    QList<QLineEdit *> fields = inputFields();
    fields << cboNimestik->lineEdit() << cboPiirkond->lineEdit();
    for (QLineEdit *field : fields) {
        accessible::markField(field);
        own.append(field);
    }
    accessible::installFactory(own);
}
