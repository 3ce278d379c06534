#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program started without a display, with a display that does not exist
# and with one that never answers: one line on standard error and status 2,
# every run bounded in time. A platform plug-in that fails otherwise: the
# toolkit's own message before the line.
#   display_test.sh PROGRAM
set -u
program=$1
failures=0
work=$(mktemp -d)
listener=
cleanup() {
    [ -n "$listener" ] && kill "$listener" 2>/dev/null
    [ -n "${hung_socket:-}" ] && rm -f "$hung_socket"
    rm -rf "$work"
}
trap cleanup EXIT

# run NAME EXPECTED-LINE ENV...: the program under `env -i`-like conditions.
run() {
    local name=$1 expected=$2
    shift 2
    local status
    timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" \
        >"$work/out" 2>"$work/err" </dev/null
    status=$?
    local lines
    lines=$(wc -l <"$work/err")
    if [ "$status" -ne 2 ] || [ "$lines" -ne 1 ] || [ "$(cat "$work/err")" != "$expected" ] \
        || [ -s "$work/out" ]; then
        echo "FAIL: $name: status $status, $lines line(s) on standard error:"
        sed 's/^/    /' "$work/err"
        failures=$((failures + 1))
    else
        echo "PASS: $name"
    fi
}

# A display number nobody uses.
free_display() {
    local n
    for n in $(seq 4700 4799); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return
        fi
    done
}

run "no display variable" \
    "vorandel: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; Vorandel needs a graphical desktop session"

n=$(free_display)
run "X display that does not exist" "vorandel: cannot connect to display :$n" DISPLAY=":$n"
run "Wayland display that does not exist" "vorandel: cannot connect to display vorandel-nowhere" \
    WAYLAND_DISPLAY=vorandel-nowhere XDG_RUNTIME_DIR="$work"

# A display that takes the connection and never answers.
n=$(free_display)
hung_socket=/tmp/.X11-unix/X$n
mkdir -p /tmp/.X11-unix
python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(4)
time.sleep(60)
' "$hung_socket" &
listener=$!
for _ in $(seq 50); do [ -S "$hung_socket" ] && break; sleep 0.1; done
run "X display that does not answer" "vorandel: cannot connect to display :$n (no answer)" DISPLAY=":$n"

# A platform plug-in that fails for a reason of its own: what the toolkit
# said, then the line.
timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=vorandel-nosuch "$program" \
    >"$work/out" 2>"$work/err" </dev/null
status=$?
if [ "$status" -eq 2 ] && grep -q 'Could not find the Qt platform plugin "vorandel-nosuch"' "$work/err" \
    && [ "$(tail -n 1 "$work/err")" = "vorandel: cannot start the window system vorandel-nosuch" ]; then
    echo "PASS: platform plug-in that does not exist"
else
    echo "FAIL: platform plug-in that does not exist: status $status, standard error:"
    sed 's/^/    /' "$work/err"
    failures=$((failures + 1))
fi

exit $((failures > 0))
