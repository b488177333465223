#!/usr/bin/env bash
# Runs corvanectl's bash completion on command lines and compares the offered
# words. usage: completion-test.sh CORVANECTL COMPLETION_FILE
#
# A stand-in program answers for corvanectl: the real program's help with two
# extra usage lines, so that every kind of argument word is covered, and a fixed
# `devices` listing in the documented tab-separated form.
set -euo pipefail
corvanectl=$(realpath "$1")
completion=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/corvanectl" <<STUB
#!/bin/sh
case "\$1" in
devices) printf 'd2xx\t0\tVelmora\tFT12AB\t16\nserial\t/dev/ttyUSB0\tVelmora\tFT34CD\t1\n' ;;
--help) "$corvanectl" --help
        printf '  corvanectl picture KIND EVENTFILE OUT.png|.svg\n'
        printf '  corvanectl load [--as KIND] IN.json\n' ;;
*) exec "$corvanectl" "\$@" ;;
esac
STUB
chmod +x "$work/corvanectl"
mkdir -p "$work/files/sub"
touch "$work/files/"{a.mdi,B.MDI,c.trc,midiEvent.bin,notes.txt,e.json,f.png,g.svg}
touch "$work/files/sub/"{d.trc,EventWeekInfo.bin,x.mdi}

# shellcheck source=/dev/null
source "$completion"

kinds="analog audio midi relay sensor timecode weekclock"
midi="B.MDI a.mdi midiEvent.bin sub"
all="B.MDI a.mdi c.trc e.json f.png g.svg midiEvent.bin notes.txt sub"
# command line after "corvanectl " (the last word is being completed) | words offered
rows=(
    "li|list"
    "list |$kinds"
    "list midi |$midi"
    "list MIDI |$midi"
    "check 2 |$midi"
    "send weekclock sub/|sub/EventWeekInfo.bin sub/d.trc"
    "receive foo |$all"
    "list midi a.mdi -|--dated --device"
    "list midi a.mdi |"
    "picture weekclock c.trc |f.png g.svg sub"
    "load |e.json sub"
    "--device |/dev/ttyUSB0 FT12AB FT34CD"
    "--device FT12AB list |$kinds"
)

cd "$work/files"
failures=0
for row in "${rows[@]}"; do
    line=${row%%|*}
    expected=${row#*|}
    read -ra COMP_WORDS <<<"$work/corvanectl $line"
    [[ "$line" == *" " || -z "$line" ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    set +e
    _corvanectl
    set -e
    actual=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' ')
    if [ "$actual" != "$expected" ]; then
        echo "corvanectl $line<TAB>: offered '$actual', expected '$expected'" >&2
        failures=$((failures + 1))
    fi
done
echo "${#rows[@]} command lines, $failures wrong"
[ "$failures" -eq 0 ]
