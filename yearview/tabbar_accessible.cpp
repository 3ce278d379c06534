// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/tabbar_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QKeySequence>
#include <QPointer>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

#include "shell/controlname.h"

namespace yearview {

namespace {

constexpr char kServedTabBar[] = "vorandelAccessibleTabBar";

QString tabName(const QTabBar *bar, int index)
{
    const QString name = bar->accessibleTabName(index);
    return name.isEmpty() ? spokenText(bar->tabText(index)) : name;
}

// The bar's scroll buttons, left before right, after the tabs.
QList<QToolButton *> scrollButtons(const QTabBar *bar)
{
    QList<QToolButton *> buttons = bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    std::stable_sort(buttons.begin(), buttons.end(), [](const QToolButton *a, const QToolButton *b) {
        return a->arrowType() == Qt::LeftArrow && b->arrowType() != Qt::LeftArrow;
    });
    return buttons;
}

class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PageTabAccessible(QTabBar *bar, int index)
        : bar_(bar)
        , index_(index)
    { }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QObject *object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    int index() const { return index_; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s = QAccessible::queryAccessibleInterface(bar_.data())->state();
        const bool current = index_ == bar_->currentIndex();
        s.selectable = true;
        s.selected = current;
        s.focused = current && bar_->hasFocus();
        s.disabled = s.disabled || !bar_->isTabEnabled(index_);
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = bar_->tabRect(index_);
        return {bar_->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name: return tabName(bar_, index_);
        case QAccessible::Description: return bar_->tabToolTip(index_);
        case QAccessible::Help: return bar_->tabWhatsThis(index_);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override { }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &action) override
    {
        if (isValid() && action == pressAction())
            bar_->setCurrentIndex(index_);
    }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

class TabBarAccessible : public QAccessibleWidget
{
public:
    explicit TabBarAccessible(QTabBar *bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList)
    { }
    ~TabBarAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(tabs_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QTabBar *bar() const { return static_cast<QTabBar *>(widget()); }

    int childCount() const override { return bar()->count() + int(scrollButtons(bar()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const int tabs = bar()->count();
        if (index < 0)
            return nullptr;
        if (index >= tabs) {
            const QList<QToolButton *> buttons = scrollButtons(bar());
            return index - tabs < buttons.size()
                ? QAccessible::queryAccessibleInterface(buttons.at(index - tabs))
                : nullptr;
        }
        if (const QAccessible::Id id = tabs_.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new PageTabAccessible(bar(), index);
        tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->role() == QAccessible::PageTab && child->parent() == this)
            return static_cast<const PageTabAccessible *>(child)->index();
        const int button = int(scrollButtons(bar()).indexOf(qobject_cast<QToolButton *>(child->object())));
        return button < 0 ? -1 : bar()->count() + button;
    }
    QAccessibleInterface *focusChild() const override
    {
        const int current = bar()->currentIndex();
        return bar()->hasFocus() && current >= 0 ? child(current) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        const int current = bar()->currentIndex();
        if (t == QAccessible::Name)
            return current < 0 ? QString() : tabName(bar(), current);
        if (t == QAccessible::Accelerator && current >= 0)
            return QKeySequence::mnemonic(bar()->tabText(current)).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

private:
    mutable QHash<int, QAccessible::Id> tabs_;
};

QAccessibleInterface *tabBarFactory(const QString &, QObject *object)
{
    if (auto *bar = qobject_cast<QTabBar *>(object); bar && bar->property(kServedTabBar).toBool())
        return new TabBarAccessible(bar);
    return nullptr;
}

}  // namespace

void markAccessibleTabBar(QTabBar *bar)
{
    static const bool installed = [] {
        QAccessible::installFactory(tabBarFactory);
        return true;
    }();
    Q_UNUSED(installed);
    bar->setProperty(kServedTabBar, true);
    // A screen reader may already have been handed the toolkit's interface
    // while the bar was being built.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
    if (iface && !dynamic_cast<TabBarAccessible *>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

}  // namespace yearview
