// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>

// The windows need a graphical display. Without one, or with one that cannot
// be reached or does not answer, the program says so in one line on standard
// error and ends with status 2, instead of the toolkit's abort.

// Right before the application object is made: ends the program at once when
// no display is named at all, and watches the connection being made.
void ExpectDisplay(int argc, char *argv[]);

// Right after the application object is made: the display has answered.
void DisplayConnected();

// After the event loop has ended: the toolkit's own shutdown is given this
// long, then the program ends with the exit code whatever keeps it (a
// Wayland connection can hang in it when the last window was closed by its
// close box).
void EndWithin(std::chrono::milliseconds time, int exitCode);
