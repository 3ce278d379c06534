// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window opens.
class QScreen;
class QWidget;

// Moves the window's frame to the middle of the screen's available area (the
// primary screen when none is given).
void centreOnScreen(QWidget *window, QScreen *screen);
