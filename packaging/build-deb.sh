#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and makes its Debian package.
# Usage: bash packaging/build-deb.sh [build folder, build-pkg by default]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
build="${1:-build-pkg}"
rm -f "$build"/orv-pendu_*.deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
echo "Paquet : $(readlink -f "$build"/orv-pendu_*.deb)"
