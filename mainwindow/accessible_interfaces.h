// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's own accessible interfaces and the factory that hands them
// out. The factory serves only the controls the window has marked as its own:
// every other widget of the process, a file dialog's fields among them, keeps
// the toolkit's interface.
#include <QList>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;

namespace accessible {

// A value label is said with its meaning before its text, "Päike tõuseb kell
// 03:59:53"; a text without digits (a polar text) is said after the polar
// prefix instead, where there is one, "Päikesetõus: polaaröö". A label with
// an empty prefix is a filler that says nothing.
void markValueLabel(QLabel *label, const QString &prefix, const QString &polarPrefix = QString());
QString spokenValue(const QLabel *label);

// A caption of the results frame is left out of the frame's children while
// it shows the text it has now (a piece of a character picture). Once it
// shows another, it joins them and is announced as new.
void markDecorative(QLabel *caption);
void joinWhenNoLongerDecorative(QLabel *caption);

void markResultsFrame(QGroupBox *frame);
// A press opens the About dialog, as a click or F1 does.
void markAboutPicture(QLabel *picture);
// Named by its accessible name, its value the text it shows.
void markNamedList(QComboBox *list);
// Read through the window's own text interface.
void markField(QLineEdit *field);

// Installs the factory (once for the process) and drops any interface of the
// toolkit's already handed out for these objects, so that the next question
// gets the window's own.
void installFactory(const QList<QObject *> &ownObjects);

}  // namespace accessible
