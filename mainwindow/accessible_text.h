// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line text field as a screen reader reads it: its text at, before and
// after every offset, answered here rather than by the toolkit's own line-edit
// interface (which never returns for a word or sentence at the end of the text),
// and one attribute run over all of its characters.
class QAccessibleInterface;
class QLineEdit;

QAccessibleInterface *newLineEditAccessible(QLineEdit *edit);
bool isLineEditAccessible(QAccessibleInterface *iface);
