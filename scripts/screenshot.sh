#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures under Xvfb:
#   docs/vorandel.png  the main window filled with the worked example (21 June
#                      2003, Tallinn, 30 m) and calculated, in the classic style
#                      the program starts with;
#   docs/yearview.png  the year overview of Tallinn (Kesklinn), 2026, with its
#                      key dates and the golden and blue hours, as the screen
#                      shows it under openbox (import -window root).
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
# Needs xvfb (xvfb-run), openbox and imagemagick (import); not run by CI.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: apt-get install xvfb" >&2; exit 2; }
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$dir" --target vorandel_screenshot vorandel_screenshot_yearview
mkdir -p docs
xvfb-run -a -s "-screen 0 1024x768x24" \
    env QT_QPA_PLATFORM=xcb "$dir/tests/bench/vorandel_screenshot" docs/vorandel.png -style windows
file docs/vorandel.png

for tool in openbox import; do
    command -v $tool >/dev/null || { echo "$tool is missing: apt-get install openbox imagemagick" >&2; exit 2; }
done
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1120x800x24" bash -c '
    openbox & wm=$!
    sleep 1
    coproc shot { env QT_QPA_PLATFORM=xcb LANG=C.UTF-8 "$1"; }
    read -r -t 20 line <&"${shot[0]}" && [ "$line" = ready ] || { echo "the overview did not show" >&2; exit 1; }
    import -window root "$2"
    echo done >&"${shot[1]}"
    wait "$shot_PID" || true
    kill $wm
' screenshot "$dir/tests/bench/vorandel_screenshot_yearview" docs/yearview.png
file docs/yearview.png
