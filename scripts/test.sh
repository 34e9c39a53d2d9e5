#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole suite. "asan" builds with the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

# The builds are the presets of CMakePresets.json: "default" in build/, "asan" in build-asan/.
preset=default
[ "${1:-}" = "asan" ] && preset=asan

cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
