#!/usr/bin/env bash
# Installs what is missing, builds the game in Release with Debian's build flags and makes its
# Debian package. The Maintainer comes from ORV_MAINTAINER ("Name <address>"), or from
# DEBFULLNAME and DEBEMAIL as Debian's tools use them; ORV_HOMEPAGE_URL, ORV_BUGTRACKER_URL
# and ORV_FILES_URL give the software centre's links, each left out when unset.
# Usage: bash packaging/build-deb.sh [build folder, build-pkg by default]
set -euo pipefail
cd "$(dirname "$0")/.."

maintainer="${ORV_MAINTAINER:-}"
if [ -z "$maintainer" ] && [ -n "${DEBFULLNAME:-}" ] && [ -n "${DEBEMAIL:-}" ]; then
    maintainer="$DEBFULLNAME <$DEBEMAIL>"
fi
if [ -z "$maintainer" ]; then
    echo "Donnez le responsable du paquet : ORV_MAINTAINER='Nom <adresse>' bash packaging/build-deb.sh" >&2
    exit 1
fi

bash scripts/deps.sh
build="${1:-build-pkg}"
rm -f "$build"/orv-pendu_*.deb

# Debian's flags with every hardening feature, immediate binding and fortified functions among
# them. CMake does not read CPPFLAGS, so they go in front of the compiler's flags.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DORV_MAINTAINER="$maintainer" \
    -DORV_HOMEPAGE_URL="${ORV_HOMEPAGE_URL:-}" \
    -DORV_BUGTRACKER_URL="${ORV_BUGTRACKER_URL:-}" \
    -DORV_FILES_URL="${ORV_FILES_URL:-}"
cmake --build "$build"
(cd "$build" && cpack -G DEB)
echo "Paquet : $(readlink -f "$build"/orv-pendu_*.deb)"
