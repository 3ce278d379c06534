#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In a sanitizer build, the program closed the usual way (Esc on the main
# window) still reports a leak when the leak check at exit is slow: the bound
# on the shutdown must leave it time. The leak and the slowness come from a
# preloaded library; the program itself runs unchanged.
#   leak_check_test.sh PROGRAM PRELOAD
set -u
program=$1
preload=$2
for tool in xvfb-run openbox xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shellcheck disable=SC2016
timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    LD_PRELOAD="$2" ASAN_OPTIONS="detect_leaks=1:verify_asan_link_order=0" "$1" >/dev/null 2>"$3/err" &
    program=$!
    xdotool search --sync --onlyvisible --name "^Vorandel: " windowactivate --sync >/dev/null 2>&1
    sleep 1
    xdotool key --clearmodifiers Escape
    wait "$program"
    status=$?
    kill "$wm" 2>/dev/null
    exit "$status"
' leak_check "$program" "$preload" "$work"
status=$?
if grep -q "Direct leak of 4242 byte(s) in 1 object(s)" "$work/err"; then
    echo "PASS: the leak check finished and reported the lost block (status $status)"
    exit 0
fi
echo "FAIL: no leak report after the program was closed (status $status); standard error:"
sed 's/^/    /' "$work/err"
exit 1
