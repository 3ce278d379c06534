// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says about the main window: an Estonian name for every
// input, command, list and season option; the input's hint (its tooltip,
// " Sisesta ... " or " Muuda ...") as its description; and every result value
// announced with its meaning, "Päike tõuseb kell 03:59:53".
//
// The result labels are written from many places (the computation, the season
// switch, Clear), so their spoken name is not stored: an accessible interface
// of their own builds it from the label's current text whenever it is asked.
//
// What a command has done is said where it leaves the focus: Calculate's
// sunrise and sunset on Clear, a season switch's times on the option, a place
// pick's coordinates on the day field. The decorative pictures of the results
// frame are no text and are left out of the tree.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

#include "mainwindow/accessible_text.h"
#include "mainwindow/frmProge.h"
#include "mainwindow/textunits.h"

namespace {

// The words said before a value label's text; a label without them is a filler
// that is not announced.
constexpr char kSpokenPrefix[] = "vorandelSpokenPrefix";
// Said instead of the prefix when the label shows no clock time but a polar
// text ("Päikesetõus: polaaröö", not "Päike tõuseb kell polaaröö").
constexpr char kSpokenPolarPrefix[] = "vorandelSpokenPolarPrefix";

bool holdsDigit(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

QString qtText(const std::u16string &text) { return QString::fromStdU16String(text); }

QString spokenWords(const QString &text)
{
    return qtText(textunits::withoutLetterSpacing(text.toStdU16String()));
}

// A value label's text with its meaning before it: "Päike tõuseb kell 03:59:53".
QString spokenValue(const QLabel *label)
{
    const QString value = label->text().trimmed();
    const QString prefix = label->property(kSpokenPrefix).toString();
    if (prefix.isEmpty())
        return QString();  // a filler row
    if (value.isEmpty())
        return prefix;
    const QString polarPrefix = label->property(kSpokenPolarPrefix).toString();
    if (!polarPrefix.isEmpty() && !holdsDigit(value))
        return polarPrefix + QLatin1Char(' ') + value;
    return prefix + QLatin1Char(' ') + value;
}

class ValueLabelAccessible : public QAccessibleWidget
{
public:
    explicit ValueLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        switch (t) {
        case QAccessible::Name: return spokenValue(label);
        case QAccessible::Value: return label->text().trimmed();
        default: return QAccessibleWidget::text(t);
        }
    }
};

// A caption label of the results frame shows a piece of a character picture
// until the first computation writes the row captions: while it does, it is
// left out of the frame's children.
constexpr char kDecorativePattern[] = "vorandelDecorativePattern";

bool isDecorative(const QWidget *w)
{
    const QVariant pattern = w->property(kDecorativePattern);
    const auto *label = qobject_cast<const QLabel *>(w);
    return label && pattern.isValid() && label->text() == pattern.toString();
}

QList<QWidget *> shownChildren(const QWidget *parent)
{
    QList<QWidget *> shown;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (w && !w->isWindow() && !isDecorative(w))
            shown.append(w);
    }
    return shown;
}

class ResultsFrameAccessible : public QAccessibleWidget
{
public:
    explicit ResultsFrameAccessible(QGroupBox *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QGroupBox *>(widget())->title();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(shownChildren(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = shownChildren(widget());
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(shownChildren(widget()).indexOf(qobject_cast<QWidget *>(child->object())));
    }
};

// The About picture: a press opens the About dialog, as a click or F1 does.
// The dialog is modal, so it is opened after the screen reader's request has
// been answered.
class AboutPictureAccessible : public QAccessibleWidget
{
public:
    explicit AboutPictureAccessible(QLabel *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    { }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("F1")} : QStringList();
    }
    void doAction(const QString &action) override
    {
        auto *window = qobject_cast<frmProge *>(widget()->window());
        if (action != pressAction() || !window)
            return;
        auto *later = new QTimer(window);
        later->setSingleShot(true);
        // A press that reaches a window under a notice opens nothing, as a click would not.
        QObject::connect(later, &QTimer::timeout, window, [window] {
            if (!QApplication::activeModalWidget())
                window->imgAbout_Click();
        });
        QObject::connect(later, &QTimer::timeout, later, &QObject::deleteLater);
        later->start(0);
    }
};

// The gazetteer lists. On Linux Qt names an editable list after its text and
// leaves its meaning to a caption label, which these lists do not have; here
// the name says which list it is and the text is its value.
constexpr char kNamedList[] = "vorandelNamedList";

class NamedListAccessible : public QAccessibleWidget
{
public:
    explicit NamedListAccessible(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return combo()->accessibleName();
        case QAccessible::Value: return combo()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.editable = combo()->isEditable();
        st.expandable = true;
        st.expanded = combo()->view() && combo()->view()->isVisible();
        return st;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() && combo()->isEnabled())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

constexpr char kResultsFrame[] = "vorandelResultsFrame";
constexpr char kAboutPicture[] = "vorandelAboutPicture";

QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(kSpokenPrefix).isValid())
        return new ValueLabelAccessible(label);
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(kAboutPicture).toBool())
        return new AboutPictureAccessible(label);
    if (auto *combo = qobject_cast<QComboBox *>(object); combo && combo->property(kNamedList).toBool())
        return new NamedListAccessible(combo);
    if (auto *frame = qobject_cast<QGroupBox *>(object); frame && frame->property(kResultsFrame).toBool())
        return new ResultsFrameAccessible(frame);
    // Every one-line field of the program, the lists' own text fields included.
    if (auto *edit = qobject_cast<QLineEdit *>(object); edit && edit->echoMode() == QLineEdit::Normal)
        return newLineEditAccessible(edit);
    return nullptr;
}

bool isOurs(QAccessibleInterface *iface)
{
    return dynamic_cast<ValueLabelAccessible *>(iface) || dynamic_cast<NamedListAccessible *>(iface)
        || dynamic_cast<ResultsFrameAccessible *>(iface) || dynamic_cast<AboutPictureAccessible *>(iface)
        || isLineEditAccessible(iface);
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
    cboNimestik->setProperty(kNamedList, true);
    cboPiirkond->setProperty(kNamedList, true);
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
    fraTulem->setProperty(kResultsFrame, true);
    imgAbout->setAccessibleName(QStringLiteral("Programmist"));
    imgAbout->setAccessibleDescription(QStringLiteral("Teave programmi kohta, klahv F1"));
    imgAbout->setProperty(kAboutPicture, true);

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
        caption->setProperty(kDecorativePattern, caption->text());
    connect(cmdArvuta, &QPushButton::clicked, this, [captions] {
        for (QLabel *caption : captions) {
            if (!isDecorative(caption) && caption->property(kDecorativePattern).isValid()) {
                caption->setProperty(kDecorativePattern, QVariant());
                QAccessibleEvent added(caption, QAccessible::ObjectCreated);
                QAccessible::updateAccessibility(&added);
            }
        }
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
    for (const Spoken &v : values) {
        v.label->setProperty(kSpokenPrefix, QString::fromUtf16(v.prefix));
        if (v.polarPrefix)
            v.label->setProperty(kSpokenPolarPrefix, QString::fromUtf16(v.polarPrefix));
    }
    // Installed once, however many windows; the factory installed last is
    // asked first, so this one comes after the toolkit's own.
    QAccessible::installFactory(windowFactory);
    // A screen reader that was already listening may have been given Qt's
    // plain interface of a control while the window was being built (where
    // the factory came late): drop it, so that the next question gets this
    // window's own.
    QList<QObject *> own = {cboNimestik, cboPiirkond, fraTulem, imgAbout};
    for (const Spoken &v : values)
        own.append(v.label);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        own.append(edit);
    for (QObject *object : own) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        if (iface && !isOurs(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}
