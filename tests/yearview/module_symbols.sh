#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The year overview's module carries no window of the program and no second
# copy of the program's own code: its dynamic and static symbols name none of
# the program's windows, and it defines nothing the window libraries define.
# What it leaves to the program, the program exports.
#   module_symbols.sh MODULE PROGRAM LIBRARY...
set -euo pipefail
module=$1
program_file=$2
shift 2
symbols() { { nm -D "$@" 2>/dev/null || true; nm "$@" 2>/dev/null || true; }; }

found=0
windows=$(symbols -C "$module" | grep -E '\b(frmProge|frmViga|frmAlgus|frmAbout)\b' || true)
if [ -n "$windows" ]; then
    echo "FAIL: the module names the program's windows:" >&2
    echo "$windows" | head -20 >&2
    found=1
fi

# Strong definitions (code, data, read-only data, bss) in the window libraries,
# against those in the module; inline functions and templates (weak) may be
# in both.
strong() { awk 'NF == 3 && $2 ~ /^[TDRB]$/ { print $3 }' | sort -u; }
program=$(for library in "$@"; do nm --defined-only "$library" 2>/dev/null; done | strong)
ours=$(symbols --defined-only "$module" | strong)
twice=$(comm -12 <(echo "$program") <(echo "$ours"))
if [ -n "$twice" ]; then
    echo "FAIL: the module holds a second copy of these (demangled):" >&2
    echo "$twice" | c++filt | head -20 >&2
    found=1
fi
# The module's open references that the window libraries define: the program
# must export every one of them, or loading the module fails.
needed=$(comm -12 <(echo "$program") <(nm -D --undefined-only "$module" | awk '{ print $2 }' | sort -u))
exported=$(nm -D --defined-only "$program_file" | awk '{ print $3 }' | sort -u)
missing=$(comm -23 <(echo "$needed") <(echo "$exported"))
if [ -n "$missing" ]; then
    echo "FAIL: the program does not export what the module calls (demangled):" >&2
    echo "$missing" | c++filt | head -20 >&2
    found=1
fi
[ -n "$ours" ] || { echo "FAIL: no symbols read from $module" >&2; exit 1; }
[ "$found" -eq 0 ] || exit 1
echo "module symbols: $(echo "$ours" | wc -l) definitions, none of them the program's"
