// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving the overview: the table as CSV, the charts as a picture. Each file is
// made whole in memory first and then written, or the notice says why it could
// not be: an existing file is replaced only by a complete new one, a folder or
// a device is never written over, and a symbolic link is replaced by the file
// itself (the file it pointed to stays as it was).
#include <QByteArray>
#include <QString>

#include "yearview/yeardata.h"

class QWidget;

namespace yearview {

enum class PictureFormat { Png, Svg };

// The format the chosen filter names (the name's ending does not decide it),
// and the path with that format's ending added where it has none.
PictureFormat formatOfFilter(const QString &filter);
QString withExtension(const QString &path, const QString &extension);

// The Estonian reason for a failed write, from the system's error number.
QString failureReason(int errorNumber);

// The charts as they stand on the screen, under a title line.
QByteArray renderPicture(QWidget *charts, PictureFormat format, const QString &title);

// Writes `bytes` to `path` whole, or shows over `parent` why it could not.
bool writeWhole(QWidget *parent, const QString &path, const QByteArray &bytes);

bool saveTable(QWidget *parent, const QString &path, const YearData &data);
bool savePicture(QWidget *charts, const QString &path, PictureFormat format, const QString &title);

}  // namespace yearview
