#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR, as a package would, and checks
# what a desktop needs of it: the validators pass on the desktop entry and the
# AppStream data, every icon size is there, the manual page renders, the
# about page lies where the installed program looks for it, and the installed
# program runs.
#   install_test.sh BUILD_DIR
set -euo pipefail

build="$1"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT

fail() {
    echo "INSTALL TEST FAILED: $*" >&2
    exit 1
}

DESTDIR="$dest" cmake --install "$build" --prefix /usr >"$dest.log" 2>&1 ||
    fail "cmake --install: $(cat "$dest.log")"
rm -f "$dest.log"
usr="$dest/usr"
id="io.github.chromadeck.Chromadeck"

for file in bin/chromadeck "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/chromadeck/about.html share/man/man1/chromadeck.1.gz \
    share/doc/chromadeck/copyright share/doc/chromadeck/changelog.gz \
    "share/icons/hicolor/scalable/apps/$id.svg"; do
    [[ -f "$usr/$file" ]] || fail "nothing installed at /usr/$file"
done
for size in 16 32 48 64 128 256; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [[ -f "$icon" ]] || fail "no ${size}x${size} icon"
    # A PNG's width is the big-endian word at byte 16.
    read -r -a width <<<"$(od -An -tu1 -j18 -N2 "$icon")"
    (((width[0] << 8) + width[1] == size)) || fail "the ${size}x${size} icon has another size"
done

desktop-file-validate "$usr/share/applications/$id.desktop" ||
    fail "desktop-file-validate refused the desktop entry"
grep -qx 'Exec=chromadeck --capture' "$usr/share/applications/$id.desktop" ||
    fail "the desktop entry has no capture action"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the AppStream data"

manual="$(man -l "$usr/share/man/man1/chromadeck.1.gz" 2>&1)" || fail "man -l: $manual"
[[ "$manual" == *"--capture"* && "$manual" == *"Ctrl+S"* ]] ||
    fail "the manual page does not render the options and keys"

version="$("$usr/bin/chromadeck" --version)" || fail "the installed program does not run"
[[ "$version" == "Chromadeck 2.0"* && "$version" == *"GNU GPL version 3 or later"* ]] ||
    fail "--version printed '$version'"
grep -q 'GNU GPL version 3 or later' "$usr/share/chromadeck/about.html" ||
    fail "the about page carries no licence notice"
# The command line answers without a display, with the exit status a script can read.
help="$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/chromadeck" --help)" || fail "--help failed"
[[ "$help" == *"--capture"* && "$help" == *"--delay"* ]] || fail "--help printed '$help'"
for bad in "--capture --delay 61" "--capture --delay soon" "--delay 3" "--lang fr" "--no-such-option"; do
    status=0
    # shellcheck disable=SC2086 # the words of $bad are separate arguments
    error="$("$usr/bin/chromadeck" $bad 2>&1 >/dev/null)" || status=$?
    ((status == 2)) || fail "chromadeck $bad ended with status $status, not 2"
    [[ "$error" == *"Usage:"* ]] || fail "chromadeck $bad printed no usage: $error"
done
echo "Installed into a DESTDIR: validators pass, icons, manual, about page and program in place;"
echo "the command line prints its help and refuses bad options with status 2."
