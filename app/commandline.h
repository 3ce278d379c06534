// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: the precise year table of a place, written to standard
// output as CSV, with no window and no display.
//   vorandel --year YEAR --lat DEGREES --lon DEGREES [--height METRES] [--tz ZONE]
// and with --key-dates the year's key dates instead of the table.
#include <QStringList>

#include <cstdio>

// Exit codes: 0 done, 1 the table could not be written, 2 refused arguments.
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;

// Whether the arguments name one of the command line's options (also --help
// and --version); without them the program opens its windows, and leaves
// the toolkit's own options (-platform, -style, ...) to the toolkit.
bool wantsCommandLine(int argc, const char *const *argv);

// Runs the command line on the program's arguments (the program name first)
// and returns the exit code. Needs a QCoreApplication for the time zones.
int runCommandLine(const QStringList &arguments, std::FILE *out, std::FILE *err);
