#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing (Debian packages, configure, build), then
#   ./dev.sh run       starts Vorandel
#   ./dev.sh test      runs the whole test suite
#   ./dev.sh sanitize  runs it again built with ASan + UBSan (build-asan/)
#   ./dev.sh lint      checks the formatting (clang-format) and runs clang-tidy
# Idempotent: a second call with nothing changed only checks and rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libqt6printsupport6 liberfa-dev qt6-l10n-tools qt6-tools-dev
          libgtest-dev fonts-liberation fonts-dejavu-core
          desktop-file-utils dpkg-dev file)

# What the tests need beyond the build: the package checks, and a real X
# server, window manager and accessibility bus for the screen-reader test.
test_packages=(appstream python3-debian xvfb xauth openbox xdotool dbus dbus-x11 at-spi2-core python3-pyatspi
               debhelper devscripts lintian groff-base)

lint_packages=(clang-format clang-tidy)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        local launcher=()
        if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
    fi
    cmake --build "$dir"
}

cmd=${1:-}
case "$cmd" in
run)
    install_missing
    build build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Vorandel is a desktop program and needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
        echo "Start it from a desktop session (or under xvfb-run)." >&2
        exit 2
    fi
    exec build/vorandel
    ;;
test)
    install_missing "${test_packages[@]}"
    build build
    ctest --test-dir build --output-on-failure
    ;;
sanitize)
    install_missing "${test_packages[@]}"
    build build-asan -DVORANDEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan --output-on-failure
    ;;
lint)
    install_missing "${lint_packages[@]}"
    build build
    sources=$(git ls-files '*.cpp' '*.h')
    # shellcheck disable=SC2086
    clang-format --dry-run --Werror $sources
    git ls-files 'app/*.cpp' 'shell/*.cpp' 'mainwindow/*.cpp' 'rules/*.cpp' 'yearview/*.cpp' \
                 'solar/*.cpp' 'almanac/*.cpp' 'gazetteer/*.cpp' \
        | xargs -P2 -n4 clang-tidy -p build --quiet
    echo "lint: formatting and clang-tidy clean"
    ;;
*)
    echo "usage: $0 run|test|sanitize|lint" >&2
    exit 64
    ;;
esac
