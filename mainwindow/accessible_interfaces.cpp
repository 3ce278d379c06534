// SPDX-License-Identifier: GPL-3.0-or-later
// The result labels are written from many places (the computation, the season
// switch, Clear), so their spoken name is not stored: an interface of their
// own builds it from the label's current text whenever it is asked. The
// decorative pictures of the results frame are no text and are left out of
// the tree.
#include "mainwindow/accessible_interfaces.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

#include "mainwindow/accessible_text.h"
#include "mainwindow/frmProge.h"

namespace accessible {

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

}  // namespace

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

namespace {

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
// A one-line field of the window, the lists' own text fields included.
constexpr char kOwnField[] = "vorandelOwnField";

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
    if (auto *edit = qobject_cast<QLineEdit *>(object);
        edit && edit->property(kOwnField).toBool() && edit->echoMode() == QLineEdit::Normal)
        return newLineEditAccessible(edit);
    return nullptr;
}

bool isOurs(QAccessibleInterface *iface)
{
    return dynamic_cast<ValueLabelAccessible *>(iface) || dynamic_cast<NamedListAccessible *>(iface)
        || dynamic_cast<ResultsFrameAccessible *>(iface) || dynamic_cast<AboutPictureAccessible *>(iface)
        || isLineEditAccessible(iface);
}

}  // namespace

void markValueLabel(QLabel *label, const QString &prefix, const QString &polarPrefix)
{
    label->setProperty(kSpokenPrefix, prefix);
    if (!polarPrefix.isEmpty())
        label->setProperty(kSpokenPolarPrefix, polarPrefix);
}

void markDecorative(QLabel *caption) { caption->setProperty(kDecorativePattern, caption->text()); }

void joinWhenNoLongerDecorative(QLabel *caption)
{
    if (isDecorative(caption) || !caption->property(kDecorativePattern).isValid())
        return;
    caption->setProperty(kDecorativePattern, QVariant());
    QAccessibleEvent added(caption, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&added);
}

void markResultsFrame(QGroupBox *frame) { frame->setProperty(kResultsFrame, true); }
void markAboutPicture(QLabel *picture) { picture->setProperty(kAboutPicture, true); }
void markNamedList(QComboBox *list) { list->setProperty(kNamedList, true); }
void markField(QLineEdit *field) { field->setProperty(kOwnField, true); }

void installFactory(const QList<QObject *> &ownObjects)
{
    // Installed once, however many windows; the factory installed last is
    // asked first, so this one comes after the toolkit's own.
    QAccessible::installFactory(windowFactory);
    // A screen reader that was already listening may have been given the
    // toolkit's plain interface of a control while the window was being built
    // (where the factory came late).
    for (QObject *object : ownObjects) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        if (iface && !isOurs(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

}  // namespace accessible
