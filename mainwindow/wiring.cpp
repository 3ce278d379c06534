// SPDX-License-Identifier: GPL-3.0-or-later
// Which handler runs for which event of which control.
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

#include "mainwindow/frmProge.h"

namespace {

using ChangeHandler = void (frmProge::*)();

struct ChangeWiring {
    QLineEdit *MainWindowControls::*field;
    ChangeHandler change;
};

const ChangeWiring kChangeHandlers[] = {
    {&MainWindowControls::txtPäev, &frmProge::txtPäev_Change},
    {&MainWindowControls::txtKuu, &frmProge::txtKuu_Change},
    {&MainWindowControls::txtAasta, &frmProge::txtAasta_Change},
    {&MainWindowControls::txtLaiusKraad, &frmProge::txtLaiusKraad_Change},
    {&MainWindowControls::txtLaiusMinut, &frmProge::txtLaiusMinut_Change},
    {&MainWindowControls::txtLaiusSekund, &frmProge::txtLaiusSekund_Change},
    {&MainWindowControls::txtPikkusKraad, &frmProge::txtPikkusKraad_Change},
    {&MainWindowControls::txtPikkusMinut, &frmProge::txtPikkusMinut_Change},
    {&MainWindowControls::txtPikkusSekund, &frmProge::txtPikkusSekund_Change},
    {&MainWindowControls::txtKõrgus, &frmProge::txtKõrgus_Change},
};

}  // namespace

void frmProge::connectHandlers()
{
    // A change handler runs on every change of the text, typed or written by
    // the program, nested where a handler empties a field.
    for (const auto &row : kChangeHandlers) {
        QLineEdit *field = this->*row.field;
        connect(field, &QLineEdit::textChanged, this, row.change);
        field->installEventFilter(this);
        field->setContextMenuPolicy(Qt::NoContextMenu);
        // No input method: every character passes the key filter.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    connect(cmdArvuta, &QPushButton::clicked, this, &frmProge::cmdArvuta_Click);
    connect(cmdTühjenda, &QPushButton::clicked, this, &frmProge::cmdTühjenda_Click);
    connect(cmdVälju, &QPushButton::clicked, this, &frmProge::cmdVälju_Click);

    connect(optSuveaeg, &QRadioButton::clicked, this, &frmProge::optSuveaeg_Click);
    connect(optTalveaeg, &QRadioButton::clicked, this, &frmProge::optTalveaeg_Click);
    keepSeasonTabStop();

    // A pick: a line chosen from the list, or stepped to with the arrow keys.
    connect(cboNimestik, &QComboBox::activated, this, &frmProge::cboNimestik_Click);
    connect(cboPiirkond, &QComboBox::activated, this, &frmProge::cboPiirkond_Click);
    // The combo box receives the key and focus events and hands them on to
    // its text field directly, so they are watched at the combo box.
    cboNimestik->installEventFilter(this);
    cboPiirkond->installEventFilter(this);

    connect(tmrAeg, &QTimer::timeout, this, &frmProge::tmrAeg_Timer);

    // F1 opens the About dialog as a click on its picture does: a key that
    // types no character, for whoever works without a mouse.
    auto *aboutKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(aboutKey, &QShortcut::activated, this, &frmProge::imgAbout_Click);

    // Pointer movement over the window's surface, the results frame, the
    // height caption and the About picture swaps the picture.
    setMouseTracking(true);
    for (QWidget *w : {static_cast<QWidget *>(fraTulem), static_cast<QWidget *>(Label4),
                       static_cast<QWidget *>(imgAbout)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool frmProge::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cboNimestik || watched == cboPiirkond) {
        // Typing into a combo's text is no pick, not even with Enter: Enter
        // goes to the window's default button.
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (cmdArvuta->isDefault() && cmdArvuta->isEnabled())
                    cmdArvuta->click();
                return true;
            }
        }
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                if (watched == cboNimestik)
                    cboNimestik_LostFocus();
                else
                    cboPiirkond_LostFocus();
            }
        }
        return QDialog::eventFilter(watched, event);
    }
    if (auto *field = qobject_cast<QLineEdit *>(watched)) {
        if (fieldEvent(field, event))
            return true;
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove) {
        // Only the pointer over the control itself counts, not a move passed on
        // from a control inside it.
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (watched == imgAbout) {
            imgAbout_MouseMove();
            return true;
        }
        if (watched == fraTulem && !fraTulem->childAt(at))
            fraTulem_MouseMove();
        else if (watched == Label4)
            Label4_MouseMove();
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease && watched == imgAbout) {
        const auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton && imgAbout->rect().contains(me->position().toPoint())) {
            imgAbout_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmProge::mouseMoveEvent(QMouseEvent *event)
{
    // The window's own surface, not a control on it that passed the move on.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}
