// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the overview: the table as CSV, the charts as a picture. Each writes
// the file whole or reports in a notice why it could not; an existing file is
// replaced only by a complete new one.
#include <QString>

#include "yearview/yeardata.h"

class QWidget;

namespace yearview {

// The notice, if any, is shown over `parent`.
bool saveTable(QWidget *parent, const QString &path, const YearData &data);
// The charts as they stand on the screen: PNG, or SVG by the name's ending,
// with `title` as the SVG's title.
bool savePicture(QWidget *charts, const QString &path, const QString &title);

}  // namespace yearview
