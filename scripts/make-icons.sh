#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws resources/icons/vorandel-*.png from the program's own sun picture.
# A development step: the PNGs are kept in the repository, the build does not run it.
#   scripts/make-icons.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$dir" --target vorandel_icons
mkdir -p resources/icons
QT_QPA_PLATFORM=offscreen "$dir/vorandel_icons" resources/icons
ls -l resources/icons
