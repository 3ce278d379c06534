// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's small pictures, drawn in code so they scale cleanly.
#include <QIcon>
#include <QPixmap>

namespace pictures {

QPixmap sun(int sizePx = 32);  // yellow sun with pointed rays: the program's icon
QPixmap snowflake(int sizePx = 32);  // cyan snowflake
QPixmap information(int sizePx = 32);  // white speech bubble, grey shadow, blue "i"
QPixmap warning(int sizePx = 32);  // yellow triangle, black "!"
QIcon sunIcon();  // the sun at 16 and 32 pixels
QIcon snowflakeIcon();

}  // namespace pictures
