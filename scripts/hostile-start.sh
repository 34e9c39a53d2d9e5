#!/usr/bin/env bash
# The full count of hostile start-ups: builds the suite's start-up test and runs it RUNS times
# (default 1000) on generated word and score files, the long line at 100 MB.
# Usage: scripts/hostile-start.sh [RUNS] [SEED].
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
build="${ORV_HOSTILE_BUILD:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tst_hostilestart startonce

export ORV_HOSTILE_RUNS="${1:-1000}"
export ORV_HOSTILE_BIG=1
[ -n "${2:-}" ] && export ORV_HOSTILE_SEED="$2"
export QT_QPA_PLATFORM=offscreen
log="$build/hostile-start.log"
status=0
"$build/tests/tst_hostilestart" -silent >"$log" 2>&1 || status=$?
grep -E '^(FAIL!|   Loc)' "$log" || true
grep -E '^Totals' "$log"
echo "Log: $log"
exit "$status"
