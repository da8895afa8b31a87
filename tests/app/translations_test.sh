#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whether the English catalogue covers every text the sources mark for translation:
# lupdate reads the sources into a copy of it, as scripts/update-translations does. An
# entry lupdate had to add (a marked text without a translation), one it no longer finds
# in the sources, and one translated as nothing each fail the test, named.
#   translations_test.sh LUPDATE SOURCE_ROOT
set -euo pipefail

lupdate="$1"
root="$2"
catalogue="$root/resources/translations/chromadeck_en.ts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy="$work/chromadeck_en.ts"
cp "$catalogue" "$copy"

cd "$root"
"$lupdate" -silent -locations none -source-language zh_CN -target-language en_US \
    -recursive src -ts "$copy" >"$work/log" 2>&1 || {
    cat "$work/log" >&2
    echo "TRANSLATIONS: lupdate failed" >&2
    exit 1
}

failed=0
# The sources of the entries whose translation line matches $1.
entries_with() {
    { grep -B1 -E "$1" "$copy" || true; } | sed -n 's/^ *<source>\(.*\)<\/source>$/  \1/p'
}
report() {
    local what="$1" pattern="$2" found
    found="$(entries_with "$pattern")"
    if [[ -n "$found" ]] || grep -qE "$pattern" "$copy"; then
        echo "TRANSLATIONS: $what:" >&2
        echo "${found:-  (see $catalogue)}" >&2
        failed=1
    fi
}
report "marked in the sources but not translated" 'type="unfinished"'
report "in the catalogue but no longer in the sources" 'type="(vanished|obsolete)"'
report "translated as nothing" '<translation>\s*</translation>|<translation */>'

messages="$(grep -c '<message' "$copy" || true)"
if ((messages < 100)); then
    echo "TRANSLATIONS: lupdate found only $messages texts under $root/src" >&2
    failed=1
fi
if ((failed == 0)) && ! diff -u "$catalogue" "$copy" >&2; then
    echo "TRANSLATIONS: the catalogue is not as lupdate writes it" >&2
    failed=1
fi
if ((failed != 0)); then
    echo "Run scripts/update-translations and translate what it adds." >&2
    exit 1
fi
echo "All $messages texts marked for translation have their English translation."
