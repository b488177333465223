#!/usr/bin/env bash
# The manual pages keep up with the programs: corvanectl(1) describes every
# command `corvanectl --help` lists, and both pages describe every environment
# setting `corvane --help` lists.
# usage: man-coverage-test.sh CORVANE CORVANECTL CORVANE_MAN CORVANECTL_MAN
set -euo pipefail
corvane=$1 corvanectl=$2 corvane_man=$3 corvanectl_man=$4
missing=0

commands=$("$corvanectl" --help | sed -n 's/^  corvanectl \([a-z][a-z-]*\).*/\1/p')
for command in $commands; do
    # A command's entry starts a tagged paragraph: ".B name" or ".BI "name ...".
    if ! grep -qE "^\.BI? \"?${command}( |\"|\$)" "$corvanectl_man"; then
        echo "$corvanectl_man does not describe the command '$command'" >&2
        missing=1
    fi
done

settings=$(QT_QPA_PLATFORM=offscreen "$corvane" --help |
    grep -oE '^  CORVANE_[A-Z0-9_]+' | tr -d ' ')
for page in "$corvane_man" "$corvanectl_man"; do
    for setting in $settings; do
        if ! grep -qx "\.B $setting" "$page"; then
            echo "$page does not describe the environment setting $setting" >&2
            missing=1
        fi
    done
done
if [ -z "$commands" ] || [ -z "$settings" ]; then
    echo "no commands or settings in --help" >&2
    exit 1
fi
exit $missing
