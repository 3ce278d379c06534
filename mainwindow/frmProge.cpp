// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/frmProge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

frmProge::frmProge(QWidget *parent)
    : QDialog(parent)
    , endProgram([](int code) { QCoreApplication::exit(code); })
    , currentDateTime([] { return QDateTime::currentDateTime(); })
{
    buildLayout();
    connectHandlers();
    tmrAeg->start();
    Form_Load();
    setUpAccessibility();
    setUpYearOverview();
}

frmProge::~frmProge()
{
    // The controls are taken down after this part of the window: nothing they
    // report while going (a focus change, a signal) may reach a handler.
    tmrAeg->stop();
    disconnect(qApp, nullptr, this, nullptr);
    for (QObject *child : findChildren<QObject *>()) {
        child->removeEventFilter(this);
        disconnect(child, nullptr, this, nullptr);
    }
}

void frmProge::keyPressEvent(QKeyEvent *event)
{
    // Esc anywhere in the window presses Exit, the window's cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdVälju->click();
        return;
    }
    if (ResultsMenuKey(event))
        return;
    // Enter on a button that has the focus presses that button; elsewhere it
    // goes to the default button, if there is one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
