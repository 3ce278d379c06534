// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked example of the README and the benchmarks: 21 June 2003 in
// Tallinn (59° 26' 13'' N, 24° 44' 42'' E), 30 m above the sea.
#include <QLineEdit>
#include <QString>
#include <iterator>

#include "mainwindow/frmProge.h"

// The ten input texts of an observation, in the order of the rows.
struct ObservationTexts {
    const char *day, *month, *year;
    const char *latD, *latM, *latS, *lonD, *lonM, *lonS, *height;
};

// Writes the texts into the fields; each field's change handling runs as it
// does for typing.
inline void fillFields(frmProge &w, const ObservationTexts &t)
{
    const QList<QLineEdit *> fields = w.inputFields();
    const char *texts[] = {t.day, t.month, t.year, t.latD, t.latM, t.latS, t.lonD, t.lonM, t.lonS, t.height};
    for (qsizetype i = 0; i < fields.size() && i < qsizetype(std::size(texts)); ++i)
        fields[i]->setText(QString::fromUtf8(texts[i]));
}

inline void fillTallinnMidsummer2003(frmProge &w)
{
    fillFields(w, {"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"});
}
