// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog shown with exec() runs its own event loop, and the code that waits
// for it goes on using the window it was shown over once exec() returns. When
// that window is closed meanwhile (by the program, or by the session ending),
// its deletion is held back until the outermost wait over it has returned,
// and carried out then.
#include <QPointer>
#include <QWidget>

class DeletionHold;

class OwnerHold
{
public:
    explicit OwnerHold(QWidget *owner);  // owner may be null
    ~OwnerHold();
    OwnerHold(const OwnerHold &) = delete;
    OwnerHold &operator=(const OwnerHold &) = delete;

    // After the wait: the owner's window, still there and shown, takes the
    // input back at once (some platforms leave no window active when a modal
    // dialog closes).
    void giveInputBack() const
    {
        if (window_ && window_->isVisible())
            window_->activateWindow();
    }

private:
    QPointer<QWidget> window_;
    QPointer<DeletionHold> hold_;
};
