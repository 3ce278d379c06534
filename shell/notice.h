// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A notice: the system beep, then the message dialog with a title and up to
// three lines, modal over its owner; returns when the user has closed it.
#include <QString>
#include <functional>

class QWidget;

void ShowNotice(QWidget *owner, const QString &title, const QString &line1, const QString &line2 = QString(),
                const QString &line3 = QString());
// The same with the warning sign instead of the information sign: for a
// failure the user has to act on, such as a file that could not be written.
void ShowWarning(QWidget *owner, const QString &title, const QString &line1, const QString &line2 = QString(),
                 const QString &line3 = QString());

// Every beep of the program goes through here, so that tests can hear it
// (QApplication::beep() is silent on the offscreen platform).
void Beep();
int beepCount();
