#!/usr/bin/env bash
# Installs what is missing, builds the game alone (no tests) and starts it in the player's own
# folder. Arguments go to the game: bash scripts/play.sh --complet plays the complete dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
# A folder of its own, so that the suite's build/ keeps its tests; only the game's target is built.
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build-play --target orv-pendu

# The installed launcher gives the player a folder of their own, seeded with the word list,
# and starts the game there; a private install of what the game needs runs it as it is shipped.
cmake --install build-play --component play --prefix build-play/stage >/dev/null
exec build-play/stage/games/orv-pendu "$@"
