// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worked example of the README and the benchmarks: 21 June 2003 in
// Tallinn (59° 26' 13'' N, 24° 44' 42'' E), 30 m above the sea.
#include <QLineEdit>
#include <QString>
#include <iterator>

#include "mainwindow/frmProge.h"

inline void fillTallinnMidsummer2003(frmProge &w)
{
    const QList<QLineEdit *> fields = w.inputFields();
    const char *texts[] = {"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"};
    for (qsizetype i = 0; i < fields.size() && i < qsizetype(std::size(texts)); ++i)
        fields[i]->setText(QString::fromLatin1(texts[i]));
}
