#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The computation folders are plain C++: no Qt header and nothing from a window
# folder; and the year overview's module includes nothing of the main window.
# Fails, naming each offending line.
#   pure_includes.sh SOURCE_DIR
set -euo pipefail
cd "$1"
pure=(solar gazetteer almanac rules)
windows='app|shell|mainwindow|yearview'
found=0
checked=0
for dir in "${pure[@]}"; do
    [ -d "$dir" ] || continue
    while IFS= read -r -d '' file; do
        checked=$((checked + 1))
        # An include of a Qt header (<QString>, <QtCore/...>, "qglobal.h") or
        # of a header from a window folder.
        if grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*|q[a-z]+\.h)[>"]' "$file" \
            || grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]('"$windows"')/' "$file"; then
            found=1
        fi
    done < <(find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print0)
done
# The module gets a plain request from the main window, never its headers.
while IFS= read -r -d '' file; do
    if grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]mainwindow/' "$file"; then
        found=1
    fi
done < <(find yearview -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
[ "$checked" -gt 0 ] || { echo "no sources found under ${pure[*]}" >&2; exit 1; }
if [ "$found" -ne 0 ]; then
    echo "FAIL: the lines above bring Qt or a window folder into pure code, or the main window into yearview/" >&2
    exit 1
fi
echo "pure includes: $checked files in ${pure[*]} include neither Qt nor a window folder; yearview/ nothing of mainwindow/"
