#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Closes the main window with its title-bar close box under Wayland, TRIES
# times, and tells how long the program took to end after each click.
# Weston runs nested in Xvfb (its X11 backend) so that xdotool can click the
# close box that the toolkit draws; the window is found by its lavender.
#   scripts/wayland-close-box.sh [TRIES] [BUILD_DIR] [X_DISPLAY]   (20, build, :139)
# Needs xvfb, weston, qt6-wayland, xdotool and imagemagick; not run by CI.
set -euo pipefail
cd "$(dirname "$0")/.."
tries=${1:-20}
program=${2:-build}/vorandel
display=${3:-:139}
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
chmod 700 "$work"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
now_ms() { date +%s%3N; }
# Still running: neither gone nor a zombie waiting to be collected.
running() { [ -r "/proc/$1/stat" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat")" != Z ]; }
hung=0
slow=0
for i in $(seq "$tries"); do
    # A fresh compositor for every try: one try never leaves a pointer grab
    # or a dead client behind for the next.
    rm -f "$work/wayland-close"
    DISPLAY=$display weston --backend=x11-backend.so --socket=wayland-close --width=1200 --height=900 \
        --idle-time=0 >"$work/weston.log" 2>&1 &
    weston=$!
    for _ in $(seq 50); do [ -S "$work/wayland-close" ] && break; sleep 0.1; done
    env -u DISPLAY WAYLAND_DISPLAY=wayland-close QT_QPA_PLATFORM=wayland "$program" >/dev/null 2>&1 &
    pid=$!
    # The splash goes after 1.3 s; then the main window's lavender shows.
    # The main window's client area is 440 x 431 pixels; it counts as shown
    # once two screens in a row find it at the same place (the compositor
    # fades a new window in).
    box=
    last=
    for _ in $(seq 40); do
        sleep 0.25
        DISPLAY=$display import -window root "$work/shot.png"
        found=$(convert "$work/shot.png" -fill black +opaque "rgb(192,192,255)" -fill white \
            -opaque "rgb(192,192,255)" -format "%@" info: 2>/dev/null)
        if [[ $found == 440x431+* ]] && [ "$found" = "$last" ]; then
            box=$found
            break
        fi
        last=$found
    done
    if [ -z "$box" ]; then
        echo "try $i: the main window did not show"
        kill "$pid" "$weston" 2>/dev/null || true
        wait "$weston" 2>/dev/null || true
        continue
    fi
    IFS='x+' read -r width _ left top <<<"$box"
    # The close box sits at the right end of the title bar above the client area.
    x=$((left + width - 14))
    y=$((top - 13))
    sleep 0.3
    # In from outside the compositor's window, so that it sees the pointer
    # enter and move (a pointer already inside a new window is not seen).
    DISPLAY=$display xdotool mousemove 1270 1010
    sleep 0.1
    DISPLAY=$display xdotool mousemove "$x" "$y"
    sleep 0.2
    DISPLAY=$display xdotool click 1
    clicked=$(now_ms)
    ended=
    for _ in $(seq 500); do
        if ! running "$pid"; then ended=$(now_ms); break; fi
        sleep 0.01
    done
    if [ -z "$ended" ]; then
        DISPLAY=$display import -window root "$work/shot.png"
        shown=$(convert "$work/shot.png" -fill black +opaque "rgb(192,192,255)" -fill white \
            -opaque "rgb(192,192,255)" -format "%@" info: 2>/dev/null)
        case $shown in 440x431+*) where="the window is still shown" ;; *) where="the window is gone" ;; esac
        # HANG_SHOTS=DIR keeps the screen of every try that did not end.
        [ -n "${HANG_SHOTS:-}" ] && cp "$work/shot.png" "$HANG_SHOTS/try-$i.png"
        echo "try $i: still running 5 s after the click; $where"
        if command -v gdb >/dev/null; then
            gdb -p "$pid" -batch -ex "thread apply all bt 12" 2>/dev/null | grep -E '^(Thread|#)' || true
        fi
        hung=$((hung + 1))
        kill -9 "$pid" 2>/dev/null || true
    else
        wait "$pid" && status=0 || status=$?
        ms=$((ended - clicked))
        echo "try $i: ended ${ms} ms after the click, status $status"
        [ "$ms" -ge 1000 ] && slow=$((slow + 1))
    fi
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
done
echo "$tries tries: $hung still running after 5 s, $slow took a second or more"
[ "$hung" -eq 0 ] && [ "$slow" -eq 0 ]
