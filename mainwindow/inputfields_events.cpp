// SPDX-License-Identifier: GPL-3.0-or-later
// How the events of the input fields reach their handlers: the character of a
// key press, the leaving of a field, the mouse buttons and the routes by which
// text could arrive without passing the key filter.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "mainwindow/frmProge.h"
#include "rules/fieldrules.h"

namespace {

using KeyPressHandler = void (frmProge::*)(char16_t &);
using LeaveHandler = void (frmProge::*)();

struct FieldHandlers {
    QLineEdit *MainWindowControls::*field;
    KeyPressHandler keyPress;
    LeaveHandler lostFocus;  // only where leaving the field does something
};

const FieldHandlers kFieldHandlers[] = {
    {&MainWindowControls::txtPäev, &frmProge::txtPäev_KeyPress, &frmProge::txtPäev_LostFocus},
    {&MainWindowControls::txtKuu, &frmProge::txtKuu_KeyPress, &frmProge::txtKuu_LostFocus},
    {&MainWindowControls::txtAasta, &frmProge::txtAasta_KeyPress, &frmProge::txtAasta_LostFocus},
    {&MainWindowControls::txtLaiusKraad, &frmProge::txtLaiusKraad_KeyPress, nullptr},
    {&MainWindowControls::txtLaiusMinut, &frmProge::txtLaiusMinut_KeyPress,
     &frmProge::txtLaiusMinut_LostFocus},
    {&MainWindowControls::txtLaiusSekund, &frmProge::txtLaiusSekund_KeyPress,
     &frmProge::txtLaiusSekund_LostFocus},
    {&MainWindowControls::txtPikkusKraad, &frmProge::txtPikkusKraad_KeyPress, nullptr},
    {&MainWindowControls::txtPikkusMinut, &frmProge::txtPikkusMinut_KeyPress,
     &frmProge::txtPikkusMinut_LostFocus},
    {&MainWindowControls::txtPikkusSekund, &frmProge::txtPikkusSekund_KeyPress,
     &frmProge::txtPikkusSekund_LostFocus},
    {&MainWindowControls::txtKõrgus, &frmProge::txtKõrgus_KeyPress, nullptr},
};

enum class KeyKind {
    NotACharacter,  // editing and navigation keys: the field handles them as usual
    Ignored,  // Alt chords: access keys, never text
    Character,
};

struct KeyCharacter {
    KeyKind kind;
    char16_t code = 0;
};

// The character a key press delivers, as a 16-bit character code.
KeyCharacter characterOf(const QKeyEvent *e)
{
    const auto mods
        = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return {KeyKind::Character, fieldrules::kEnter};
    if (key == Qt::Key_Backspace)
        return {KeyKind::Character, fieldrules::kBackspace};
    // Shift+Insert pastes: the same as Ctrl+V.
    if (key == Qt::Key_Insert && mods == Qt::ShiftModifier)
        return {KeyKind::Character, fieldrules::kCtrlV};
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    // Ctrl with a letter is a control character (Ctrl+C is 3, Ctrl+V 22).
    if (ctrl && !alt && key >= Qt::Key_A && key <= Qt::Key_Z)
        return {KeyKind::Character, char16_t(key - Qt::Key_A + 1)};
    if ((alt && !ctrl) || (mods & Qt::MetaModifier))
        return {KeyKind::Ignored};
    const QString text = e->text();
    if (text.isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape
        || key == Qt::Key_Delete)
        return {KeyKind::NotACharacter};
    if (ctrl && !alt)  // Ctrl with a digit or a sign: no character
        return {KeyKind::NotACharacter};
    return {KeyKind::Character, text.at(0).unicode()};
}

bool leavesWindowFocus(Qt::FocusReason reason)
{
    // A dialog or a menu over the window takes the focus for a while; the
    // field has not been left.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
}

}  // namespace

void frmProge::txtField_MouseDown(QLineEdit *, Qt::MouseButton button)
{
    // The right button opens no menu and leaves the clipboard alone; the
    // middle button would paste the selection past the key filter.
    if (button == Qt::MiddleButton) {
        char16_t paste = fieldrules::kCtrlV;
        FilterDigitKey(paste, false);
    }
}

bool frmProge::fieldEvent(QLineEdit *field, QEvent *event)
{
    const FieldHandlers *h = nullptr;
    for (const auto &row : kFieldHandlers) {
        if (this->*row.field == field)
            h = &row;
    }
    if (!h)
        return false;

    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto ch = characterOf(static_cast<QKeyEvent *>(event));
        if (ch.kind == KeyKind::Ignored)
            return true;
        if (ch.kind == KeyKind::NotACharacter)
            return false;
        char16_t code = ch.code;
        (this->*h->keyPress)(code);
        if (code == 0)
            return true;  // discarded
        if (code == fieldrules::kEnter || code == fieldrules::kBackspace)
            return false;
        // A digit or a minus: insert exactly that character (an accepted key
        // pressed with Ctrl or AltGr would otherwise not reach the text).
        if (!static_cast<QKeyEvent *>(event)->text().startsWith(QChar(code))) {
            field->insert(QString(QChar(code)));
            return true;
        }
        return false;
    }
    case QEvent::FocusIn: fieldWithFocus_ = field; return false;
    case QEvent::FocusOut: {
        // Only a field that really had the focus can be left: a field that the
        // focus passed through while a handler moved it does not count.
        const bool hadFocus = fieldWithFocus_ == field;
        if (hadFocus)
            fieldWithFocus_ = nullptr;
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (hadFocus && h->lostFocus && !correctingFocus_ && !leavesWindowFocus(reason))
            (this->*h->lostFocus)();
        if (leavesWindowFocus(reason) && hadFocus)
            fieldWithFocus_ = field;  // it gets the focus back when the dialog closes
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent *>(event)->button();
        txtField_MouseDown(field, button);
        return button == Qt::MiddleButton;
    }
    case QEvent::MouseButtonRelease: return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    case QEvent::Drop: {
        char16_t paste = fieldrules::kCtrlV;
        FilterDigitKey(paste, false);
        return true;
    }
    default: return false;
    }
}
