#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run, test and package Orv Pendu.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libqt6svg6
    fonts-liberation fonts-dejavu-core
    libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth libxcb1-dev
    desktop-file-utils appstream dpkg-dev librsvg2-bin
    faketime lintian
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
