#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion, driven as bash drives it: COMP_WORDS and COMP_CWORD
# set, the completion function called, COMPREPLY checked.
#   completion_test.sh PROGRAM COMPLETION_FILE
set -uo pipefail
program=$1
# shellcheck source=/dev/null
source "$2"
fail=0

complete_line() {  # the words typed, the last one being completed
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _vorandel
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

# words typed | what must be offered (all of it) | what must not
check() {
    local name=$1 words=$2 wanted=$3 unwanted=${4:-}
    local -a typed
    read -ra typed <<<"$words"
    [[ $words == *' ' ]] && typed+=("")
    local got
    got=$(complete_line "${typed[@]}")
    for w in $wanted; do
        grep -qxF -- "$w" <<<"$got" || { echo "FAIL $name: '$w' not offered; got: $(head -5 <<<"$got" | tr '\n' ' ')" >&2; fail=1; }
    done
    for w in $unwanted; do
        ! grep -qxF -- "$w" <<<"$got" || { echo "FAIL $name: '$w' offered" >&2; fail=1; }
    done
}

check "every option"            "--"                       "--year --lat --lon --height --tz --help --version"
check "one option by its start" "--he"                     "--height --help" "--year"
check "an Estonian zone"        "--year 2026 --tz Europe/Tal" "Europe/Tallinn" "Europe/Berlin"
check "after --tz="             "--tz = Europe/Ta"         "Europe/Tallinn"
check "a link name"             "--tz UT"                  "UTC"
check "no zone after --lat"     "--lat "                   "" "Europe/Tallinn --year"
check "no option without a dash" "--year 2026 "            "" "--lat"
[ -z "$(complete_line -- | uniq -d)" ] || { echo "FAIL: an option is offered twice" >&2; fail=1; }
[ "$(complete_line --tz Nowhere/Atlantis)" = "" ] || { echo "FAIL: a zone that does not exist is offered" >&2; fail=1; }

[ "$fail" = 0 ] && echo "completion: all cases pass"
exit "$fail"
