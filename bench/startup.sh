#!/usr/bin/env bash
# Start-up time to the first painted main window, and peak memory, beside a bare Qt window, under Xvfb.
# usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-21}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null' EXIT

export DISPLAY=:97
Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export ORV_QUIT_AFTER_FIRST_PAINT=1 XDG_RUNTIME_DIR="$work/run"
mkdir -p "$work/run" "$work/default" "$work/million" && chmod 700 "$work/run"
cp "$here/data/Pendu.dat" "$work/default/"
"$build/bench/make_million" "$work/million/Pendu.dat"
ls -l "$work/default/Pendu.dat" "$work/million/Pendu.dat" | awk '{print "word file:", $5, "bytes"}'

# Prints "median_ms median_peak_kB" over the runs of one command in one folder.
measure() {
    local folder=$1; shift
    local samples
    samples=$(for _ in $(seq "$runs"); do
        (cd "$folder" && /usr/bin/time -f "%e %M" "$@" 2>&1 >/dev/null | tail -1)
    done)
    median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
    echo "$(echo "$samples" | awk '{print $1*1000}' | median) $(echo "$samples" | awk '{print $2}' | median)"
}

read -r tmin mmin < <(measure "$work/default" "$build/bench/minimal_window")
read -r tdef mdef < <(measure "$work/default" "$build/app/orv-pendu")
read -r tmil mmil < <(measure "$work/million" "$build/app/orv-pendu")
echo "minimal Qt window:        ${tmin} ms, ${mmin} kB"
echo "Orv Pendu, shipped list:  ${tdef} ms, ${mdef} kB  (time x$(awk "BEGIN{printf \"%.2f\", $tdef/$tmin}"), memory x$(awk "BEGIN{printf \"%.2f\", $mdef/$mmin}"))"
echo "Orv Pendu, 1,000,000 words: ${tmil} ms, ${mmil} kB"
