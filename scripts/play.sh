#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in the player's own folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

# The installed launcher gives the player a folder of their own, seeded with the word list,
# and starts the game there; a private install in the build folder runs it as it is shipped.
cmake --install build --prefix build/stage >/dev/null
exec build/stage/bin/orv-pendu
