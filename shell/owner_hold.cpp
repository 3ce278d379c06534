// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/owner_hold.h"

#include <QEvent>

// Watches one window for its deferred deletion while any wait over it runs.
class DeletionHold : public QObject
{
    Q_OBJECT

public:
    explicit DeletionHold(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    int waits = 0;
    bool deletionAsked = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DeferredDelete && watched == parent() && waits > 0) {
            deletionAsked = true;
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

OwnerHold::OwnerHold(QWidget *owner)
    : window_(owner ? owner->window() : nullptr)
{
    if (!window_)
        return;
    hold_ = window_->findChild<DeletionHold *>(QString(), Qt::FindDirectChildrenOnly);
    if (!hold_)
        hold_ = new DeletionHold(window_);
    ++hold_->waits;
}

OwnerHold::~OwnerHold()
{
    if (!hold_ || !window_)
        return;
    if (--hold_->waits == 0 && hold_->deletionAsked) {
        hold_->deletionAsked = false;
        // Posted from the level of the outermost wait: the window goes when
        // the code that waited has returned to its event loop.
        window_->deleteLater();
    }
}

#include "owner_hold.moc"
