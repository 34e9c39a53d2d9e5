#!/usr/bin/env bash
# Builds every fuzz target with clang, ASan and UBSan, then runs each in turn for SECONDS (default 60).
# Usage: fuzz/run.sh [SECONDS] [TARGET...]. New inputs go to BUILD/corpus/TARGET, failures to BUILD/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
seconds="${1:-60}"
shift || true
build="${ORV_FUZZ_BUILD:-build-fuzz}"

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORV_FUZZ=ON -DORV_SANITIZE=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/logs" "$build/artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export QT_QPA_PLATFORM=offscreen

failed=()
summary=()
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/logs/$target.log"
    echo "== $target: ${seconds}s"
    # The first folder receives what the run finds; the seeds in the repository are only read.
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$log"
    fi
    status=$(grep -E '^#[0-9]+' "$log" | grep 'cov:' | tail -n 1 || true)
    runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo '?')
    summary+=("$(printf '%-22s execs %-10s %s' "$target" "$runs" "$(grep -oE 'cov: [0-9]+ ft: [0-9]+' <<<"$status" || echo 'cov: ? ft: ?')")")
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed: ${failed[*]} (inputs in $build/artifacts)" >&2
    exit 1
fi
