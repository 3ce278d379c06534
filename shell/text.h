// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one pair of conversions between the windows' texts and the pure code's
// UTF-8 strings.
#include <QString>
#include <string>
#include <string_view>

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
inline std::string toUtf8(const QString &text) { return text.toStdString(); }
