// Which handler runs for which event of which control.
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "mainwindow/frmProge.h"

void frmProge::connectHandlers()
{
    connect(cmdVälju, &QPushButton::clicked, this, &frmProge::cmdVälju_Click);
}

bool frmProge::eventFilter(QObject *watched, QEvent *event)
{
    return QDialog::eventFilter(watched, event);
}

void frmProge::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
}
