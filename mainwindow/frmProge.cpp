#include "mainwindow/frmProge.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

frmProge::frmProge(QWidget *parent)
    : QDialog(parent)
    , endProgram([](int code) { QCoreApplication::exit(code); })
{
    buildLayout();
    connectHandlers();
    tmrAeg->start();
    Form_Load();
    setUpAccessibility();
}

frmProge::~frmProge() = default;

void frmProge::keyPressEvent(QKeyEvent *event)
{
    // Esc anywhere in the window presses Exit, the window's cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdVälju->click();
        return;
    }
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
