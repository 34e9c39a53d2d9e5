#!/usr/bin/env bash
# Plays each *.steps file here under the real screen reader (../shared/orca/listen beside the clone)
# and fails when one of its expect lines is not spoken. Each file names its words ("# words: W..."), and
# the frozen time of day its run starts at ("# clock: HH:MM"): the game draws from that clock, so
# a one-word file and a fixed clock make every game the same. Usage: run.sh [STEPS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-$root/build}
listen=${LISTEN:-$root/../shared/orca/listen}

command -v faketime >/dev/null || { apt-get update -q >/dev/null && apt-get install -y -q faketime >/dev/null; }

[ $# -gt 0 ] || set -- "$here"/*.steps
failed=0
for steps in "$@"; do
    steps=$(cd "$(dirname "$steps")" && pwd)/$(basename "$steps")
    words=$(sed -n 's/^# words: *//p' "$steps")
    clock=$(sed -n 's/^# clock: *//p' "$steps")
    work=$(mktemp -d)
    # shellcheck disable=SC2086 # one word a line
    printf '%s\n' ${words:-PARAPLUIE} >"$work/mots.txt"
    "$build/words/orv_mkdat" "$work/mots.txt" "$work/Pendu.dat" >/dev/null
    # Time stands still for the program only; its timers run on the monotonic clock, left alone.
    if (cd "$work" && FAKETIME_DONT_FAKE_MONOTONIC=1 "$listen" --out "$work/logs" /usr/bin/faketime "$steps" \
        -f "@2024-01-01 ${clock:-10:04}:00 x0" "$build/app/orv-pendu" >"$work/report" 2>&1); then
        echo "ok   $(basename "$steps")"
        rm -rf "$work"
    else
        echo "FAIL $(basename "$steps") (logs in $work)"
        grep -E 'FAIL|^==' "$work/report" | grep -B1 FAIL || tail -5 "$work/report"
        failed=1
    fi
done
exit $failed
