#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in the player's own folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

# The game reads and writes its files in its current folder; give it one per player.
home="${XDG_DATA_HOME:-$HOME/.local/share}/orv-pendu"
mkdir -p "$home"
[ -e "$home/Pendu.dat" ] || cp data/Pendu.dat "$home/Pendu.dat"
program="$PWD/build/app/orv-pendu"
if [ ! -x "$program" ]; then
    echo "Le jeu n'est pas encore construit ici." >&2
    exit 0
fi
cd "$home"
exec "$program"
