// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: the precise year table of a place, written to standard
// output as CSV, with no window and no display.
//   vorandel --year YEAR --lat DEGREES --lon DEGREES [--height METRES] [--tz ZONE] [--extra]
// and with --key-dates the year's key dates instead of the table.
#include <QStringList>

#include <cstdio>

// Exit codes: 0 done; 1 the system failed (the table could not be written,
// the zone database could not be read, memory ran out); 2 refused arguments.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Puts /dev/null on whichever of descriptors 0-2 is closed, opened the other
// way round (standard output read-only), so that a closed output stays
// closed to writes (EBADF) and no file the program opens later takes its
// number. Call first in main.
void keepStandardDescriptorsOccupied();

// Whether the arguments name one of the command line's options (also --help
// and --version, or one of them written with a single dash); without them
// the program opens its windows, and leaves the toolkit's own options
// (-platform, -style, ...) to the toolkit.
bool wantsCommandLine(int argc, const char *const *argv);

// Runs the command line on the program's arguments (the program name first)
// and returns the exit code. Needs a QCoreApplication for the time zones.
int runCommandLine(const QStringList &arguments, std::FILE *out, std::FILE *err);

// The whole command-line program: its application object, the run, and
// "out of memory" instead of an abort when an allocation fails.
int commandLineMain(int argc, char *argv[]);
