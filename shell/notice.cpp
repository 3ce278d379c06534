// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notice.h"

#include <QApplication>
#include <QLabel>

#include "shell/frmViga.h"
#include "shell/owner_hold.h"
#include "shell/pictures.h"

namespace {
int beeps = 0;
}

void Beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount() { return beeps; }

namespace {

void showDialog(QWidget *owner, const QPixmap &sign, const QString &title, const QString &line1,
                const QString &line2, const QString &line3)
{
    Beep();
    const OwnerHold hold(owner);
    // A new dialog each time, so lines of an earlier notice never linger.
    auto *dialog = new frmViga(owner);
    dialog->setWindowTitle(title);
    dialog->lblEsimene->setText(line1);
    dialog->lblTeine->setText(line2);
    dialog->lblKolmas->setText(line3);
    if (!sign.isNull())
        dialog->Image1->setPixmap(sign);
    dialog->exec();
    hold.giveInputBack();
}

}  // namespace

void ShowNotice(QWidget *owner, const QString &title, const QString &line1, const QString &line2,
                const QString &line3)
{
    showDialog(owner, QPixmap(), title, line1, line2, line3);
}

void ShowWarning(QWidget *owner, const QString &title, const QString &line1, const QString &line2,
                 const QString &line3)
{
    showDialog(owner, pictures::warning(32), title, line1, line2, line3);
}
