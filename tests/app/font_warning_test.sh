#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program started on a system that has DejaVu but not the Liberation
# faces: it warns once for each missing face, naming its Debian package, and
# runs on (it is stopped after a few seconds).
#   font_warning_test.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dejavu=$(dirname "$(fc-match -f '%{file}' 'DejaVu Sans')")
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$dejavu</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE="$work/fonts.conf" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
    timeout 4 "$program" >/dev/null 2>"$work/err" </dev/null
status=$?
grep -v '^QStandardPaths' "$work/err" | grep -v '^qt\.' >"$work/lines"
expected="vorandel: warning: the font \"Liberation Sans\" is not installed (Debian package fonts-liberation); some values may not fit their labels
vorandel: warning: the font \"Liberation Serif\" is not installed (Debian package fonts-liberation); some values may not fit their labels"
if [ "$status" -ne 124 ]; then
    echo "FAIL: the program ended (status $status) instead of running on"
    cat "$work/err"
    exit 1
fi
if [ "$(cat "$work/lines")" != "$expected" ]; then
    echo "FAIL: standard error was:"
    cat "$work/err"
    exit 1
fi
echo "PASS: one warning for each missing face"
