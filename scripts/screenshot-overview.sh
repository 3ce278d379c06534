#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/yearview.png, the README's picture of the year overview: the
# program under Xvfb and openbox, an observation typed in (21 June 2026,
# 59° 26' 00'' N, 24° 44' 45'' E, 6 m), Enter, F2, three days to the right
# (24 June).
#   scripts/screenshot-overview.sh [BUILD_DIR]     (default: build)
# Needs xvfb, openbox, xdotool and imagemagick; not run by CI.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done
cmake --build "$dir" --target vorandel vorandel_yearview
runtime=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$runtime"; }
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime HOME=$runtime DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp & pids+=($!)
sleep 1
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1
QT_QPA_PLATFORM=xcb LANG=C.UTF-8 "$dir/vorandel" & pids+=($!)
timeout 20 xdotool search --sync --name '^Vorandel: ' windowactivate --sync
for piece in 21 06 2026 59 26 00 24 44 45 6; do xdotool type --delay 60 "$piece"; done
xdotool key Return
sleep 1
xdotool key F2
timeout 20 xdotool search --sync --name '^Aasta ülevaade' >/dev/null
sleep 2
xdotool key Right Right Right
sleep 1
mkdir -p docs
import -window "$(xdotool search --name '^Aasta ülevaade' | head -1)" docs/yearview.png
file docs/yearview.png
