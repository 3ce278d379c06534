// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says about the main window: an Estonian name for every
// input, command, list and season option; the input's hint (its tooltip,
// " Sisesta ... " or " Muuda ...") as its description; and every result value
// announced with its meaning, "Päike tõuseb kell 03:59:53".
//
// The result labels are written from many places (the computation, the season
// switch, Clear), so their spoken name is not stored: an accessible interface
// of their own builds it from the label's current text whenever it is asked.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "mainwindow/frmProge.h"

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

class ValueLabelAccessible : public QAccessibleWidget
{
public:
    explicit ValueLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        const QString value = label->text().trimmed();
        switch (t) {
        case QAccessible::Name: {
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
        case QAccessible::Value: return value;
        default: return QAccessibleWidget::text(t);
        }
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

QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(kSpokenPrefix).isValid())
        return new ValueLabelAccessible(label);
    if (auto *combo = qobject_cast<QComboBox *>(object); combo && combo->property(kNamedList).toBool())
        return new NamedListAccessible(combo);
    return nullptr;
}

bool isOurs(QAccessibleInterface *iface)
{
    return dynamic_cast<ValueLabelAccessible *>(iface) || dynamic_cast<NamedListAccessible *>(iface);
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
    optSuveaeg->setAccessibleName(QStringLiteral("Suveaeg"));
    optTalveaeg->setAccessibleName(QStringLiteral("Talveaeg"));
    fraSesoon->setAccessibleName(QStringLiteral("Sesoon"));
    imgAbout->setAccessibleName(QStringLiteral("Programmist"));

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
    QAccessible::installFactory(windowFactory);  // installed once, however many windows
    // A screen reader that was already listening may have been given Qt's
    // plain interface of a label or a list while the window was being built:
    // drop it, so that the next question gets this window's own.
    QList<QWidget *> own = {cboNimestik, cboPiirkond};
    for (const Spoken &v : values)
        own.append(v.label);
    for (QWidget *widget : own) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        if (iface && !isOurs(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}
