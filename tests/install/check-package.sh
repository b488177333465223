#!/usr/bin/env bash
# Checks a built Debian package the way its user meets it: its name and
# dependencies, that every file lands below /usr where the desktop, man,
# bash-completion and udev look, and that the programs run from a scratch root
# the package is unpacked into.
# usage: check-package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failures=0
fail() {
    echo "$(basename "$deb"): $*" >&2
    failures=$((failures + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }

version=$(field Version)
[ "$(field Package)" = corvane ] || fail "the package is called $(field Package)"
for library in libc6 libstdc++6 libqt6widgets6; do
    [[ ", $(field Depends)," == *", $library "* ]] || fail "Depends lacks $library"
done
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -vx '\./' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
[ "$(dpkg-deb --info "$deb" postinst | head -1)" = '#!/bin/sh' ] || fail "there is no postinst"

icons=usr/share/icons/hicolor
wanted=(
    usr/bin/corvane
    usr/bin/corvanectl
    usr/lib/corvane/corvane
    usr/lib/corvane/corvanectl
    usr/lib/corvane/libftd2xx_sim.so
    usr/lib/corvane/Skins/Corvane/the.ui
    usr/share/man/man1/corvane.1.gz
    usr/share/man/man1/corvanectl.1.gz
    usr/share/bash-completion/completions/corvanectl
    usr/lib/udev/rules.d/70-corvane.rules
    usr/share/applications/corvane.desktop
    usr/share/metainfo/io.github.corvane.corvane.metainfo.xml
    $icons/scalable/apps/corvane.svg
)
for file in "${wanted[@]}"; do
    [ -e "$root/$file" ] || fail "$file is missing"
done
[ "$(readlink "$root/usr/bin/corvanectl")" = ../lib/corvane/corvanectl ] ||
    fail "usr/bin/corvanectl is not a relative link into the program folder"

# The installed programs, run from the scratch root. A MIDI event file with
# one event: the header counts one entry, then the 36-byte record.
run() {
    local expected=$1
    shift
    local actual
    actual=$("$@" 2>&1) || fail "'$*' failed: $actual"
    [ "$actual" = "$expected" ] || fail "'$*' printed '$actual', expected '$expected'"
}
midi=$root/midi.mdi
{
    printf '\001\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000'
    printf '\001\074\377\000\001\000\000\002\001\377Event'
    head -c 21 /dev/zero
} >"$midi"
bin=$root/usr/bin
run "corvanectl $version" "$bin/corvanectl" --version
run "corvane $version" "$bin/corvane" --version
run "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)" "$bin/corvanectl" list midi "$midi"
run "valid: 1 entries" "$bin/corvanectl" check midi "$midi"
# The simulated controller installed beside the programs is found by devices.
devices=$(CORVANE_D2XX_LIBRARY=$root/usr/lib/corvane/libftd2xx_sim.so CORVANE_SIM_TIMING=instant \
    "$bin/corvanectl" devices 2>&1) || fail "devices failed: $devices"
awk -F'\t' '{for (i = 1; i <= NF; i++) if ($i == "Velmora") found = 1} END {exit !found}' \
    <<<"$devices" || fail "devices did not list the simulated controller: $devices"

if [ "$failures" -ne 0 ]; then
    echo "$(basename "$deb"): $failures checks failed" >&2
    exit 1
fi
echo "$(basename "$deb"): installs into /usr, runs from a scratch root"
