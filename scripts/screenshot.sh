#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/vorandel.png, the README's picture: the main window under Xvfb,
# filled with the worked example (21 June 2003, Tallinn, 30 m) and calculated,
# in the classic style the program starts with.
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
# Needs xvfb (xvfb-run); not run by CI.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb" >&2; exit 2; }
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$dir" --target vorandel_screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1024x768x24" \
    env QT_QPA_PLATFORM=xcb "$dir/tests/bench/vorandel_screenshot" docs/vorandel.png -style windows
file docs/vorandel.png
