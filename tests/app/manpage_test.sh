#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages render without a warning, and every option that
# `vorandel --help` lists is described in the English one.
#   manpage_test.sh PROGRAM SOURCE_DIR
set -euo pipefail
program=$1
pages=$2/docs/man
fail=0

for page in "$pages/vorandel.1" "$pages/et/vorandel.1"; do
    warnings=$(LC_ALL=C.UTF-8 groff -ww -z -man -Kutf8 "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "FAIL: groff warns about $page:" >&2
        echo "$warnings" >&2
        fail=1
    fi
done

# The page as a reader sees it, without overstriking.
text=$(LC_ALL=C.UTF-8 groff -man -Kutf8 -Tutf8 -P-cbou "$pages/vorandel.1")
options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -oE -- '^ +(-[a-zA-Z?], )?--[a-z][a-z-]*' \
          | tr ',' '\n' | tr -d ' ')
[ -n "$options" ] || { echo "FAIL: no options found in --help" >&2; exit 1; }
for option in $options; do
    if ! grep -qE -- "(^|[^a-z-])${option}([^a-z-]|$)" <<<"$text"; then
        echo "FAIL: the manual page does not describe $option" >&2
        fail=1
    fi
done
[ "$fail" = 0 ] && echo "manual pages: $(wc -w <<<"$options") options of --help described"
exit "$fail"
