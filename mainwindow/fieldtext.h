// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the field handlers and the commands share: a field's value, and a
// notice given as the rules word it.
#include <QLineEdit>
#include <string>

#include "mainwindow/fieldrules.h"
#include "shell/notice.h"
#include "solar/observation.h"

inline QString qs(const std::string &utf8) { return QString::fromStdString(utf8); }

// The key filter keeps the texts to digits, so every value fits; a text that
// is not a whole number reads 0.
inline int fieldValue(const QLineEdit *field)
{
    return solar::FieldTextToInt16(field->text().toStdString()).value_or(0);
}

// Empties a field without an undo step: Ctrl+Z is refused in the fields, and
// a history that is never used would only grow with every Clear.
inline void emptyField(QLineEdit *field) { field->setText(QString()); }

inline void ShowNotice(QWidget *owner, const fieldrules::NoticeText &n)
{
    ShowNotice(owner, qs(n.title), qs(n.line1), qs(n.line2), qs(n.line3));
}
