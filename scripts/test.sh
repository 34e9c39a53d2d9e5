#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole suite. "asan" builds with the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "asan" ]; then
    build=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON)
fi

cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
