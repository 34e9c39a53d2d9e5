#!/usr/bin/env bash
# Builds the Debian package, validates its menu and software-centre entries, checks what it
# holds and needs, then unpacks it and starts the game from its launcher in fresh homes.
# Usage: bash packaging/check.sh [build folder, build-pkg by default]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build="${1:-build-pkg}"

bash packaging/build-deb.sh "$build"
deb=$(readlink -f "$build"/orv-pendu_*.deb)
id=fr.orvpendu.OrvPendu

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg -x "$deb" "$root"

passed=0
failed=0
check() {
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok    $name"
    else
        failed=$((failed + 1))
        echo "FAIL  $name"
    fi
}

desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
desktop_key() { sed -n "s/^$1=//p" "$desktop"; }

check "the menu entry passes desktop-file-validate" desktop-file-validate "$desktop"
check "the software-centre entry passes appstreamcli validate" \
    appstreamcli validate --no-net "$metainfo"

holds_all() {
    local listing missing=0 path
    listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
    for path in "$@"; do
        grep -qx "$path" <<<"$listing" || { echo "      missing: $path"; missing=1; }
    done
    return $missing
}
icon_sizes=(16 22 24 32 48 64 128 256)
icon_pngs=()
for size in "${icon_sizes[@]}"; do
    icon_pngs+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
check "the package holds the launcher, program, word lists, entries, icons and copyright" holds_all \
    /usr/bin/orv-pendu /usr/libexec/orv-pendu/orv-pendu \
    /usr/share/orv-pendu/Pendu.dat /usr/share/orv-pendu/Pendu-complet.dat \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" "${icon_pngs[@]}" \
    /usr/share/doc/orv-pendu/copyright

check "the launcher and the program are executable" \
    test -x "$root/usr/bin/orv-pendu" -a -x "$root/usr/libexec/orv-pendu/orv-pendu"
check "the shipped word list is the repository's" cmp -s data/Pendu.dat "$root/usr/share/orv-pendu/Pendu.dat"
check "the shipped complete dictionary is the repository's" \
    cmp -s data/Pendu-complet.dat "$root/usr/share/orv-pendu/Pendu-complet.dat"

# PNG width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }
icons_match_folders() {
    local size bad=0 got
    for size in "${icon_sizes[@]}"; do
        got=$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
        [ "$got" = "${size}x${size}" ] || { echo "      ${size}x${size}/apps holds a $got picture"; bad=1; }
    done
    return $bad
}
check "each PNG icon has the size of its folder" icons_match_folders

check "the menu entry starts the launcher in /usr/bin" test -x "$root/usr/bin/$(desktop_key Exec)"
check "the menu entry's icon is installed" test -f "$root/usr/share/icons/hicolor/scalable/apps/$(desktop_key Icon).svg"
check "the menu entry's texts are in French" grep -qx "Comment=Devinez le mot lettre par lettre avant d'être pendu" "$desktop"
check "the software-centre entry launches the menu entry" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
screenshots_exist() {
    local url images paths path bad=0
    url=$(sed -n 's/^ORV_FILES_URL:STRING=//p' "$build/CMakeCache.txt")
    images=$(grep -c '<image>' "$metainfo")
    paths=$(sed -n "s|.*<image>$url/\([^<]*\)</image>.*|\1|p" "$metainfo")
    [ "$images" -gt 0 ] && [ "$(grep -c . <<<"$paths")" -eq "$images" ] \
        || { echo "      a screenshot is not under $url"; return 1; }
    for path in $paths; do
        [ -f "$source_dir/$path" ] || { echo "      no $path in the repository"; bad=1; }
    done
    return $bad
}
check "the software-centre screenshots are files of the repository" screenshots_exist

depends=$(dpkg-deb -f "$deb" Depends)
depends_on_all() {
    local package missing=0
    for package in "$@"; do
        grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || { echo "      no $package in: $depends"; missing=1; }
    done
    return $missing
}
check "the package depends on Qt, its SVG icon engine and the fonts" depends_on_all \
    libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation libc6
check "the package is orv-pendu $(dpkg-deb -f "$deb" Version) for amd64" \
    test "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version) $(dpkg-deb -f "$deb" Architecture)" \
    = "orv-pendu 2.0.0 amd64"
check "the copyright file gives the program's GPL-3+" \
    grep -q '^License: GPL-3+$' "$root/usr/share/doc/orv-pendu/copyright"
check "the copyright file gives the word lists' MPL-2.0 and ODC-By-1.0" \
    grep -q '^License: MPL-2.0 and ODC-By-1.0$' "$root/usr/share/doc/orv-pendu/copyright"

# The game quits by itself once its main window has painted; a timeout means it never showed.
start_game() {
    local home=$1
    shift
    (cd / && env -i PATH=/usr/bin:/bin HOME="$home" ORV_QUIT_AFTER_FIRST_PAINT=1 "$@" \
        timeout 60 "$root/usr/bin/orv-pendu") >"$scratch/game.log" 2>&1 \
        || { echo "      the game ended with status $?:"; sed 's/^/      /' "$scratch/game.log"; return 1; }
}
home="$scratch/home"
folder="$home/.local/share/orv-pendu"
first_start() {
    mkdir -p "$home"
    start_game "$home" QT_QPA_PLATFORM=offscreen || return 1
    cmp -s data/Pendu.dat "$folder/Pendu.dat" || { echo "      the player's folder got no word list"; return 1; }
    # The score file appears where the game ran, so it ran in the player's folder.
    [ -f "$folder/Orvpendu.ini" ] || { echo "      no Orvpendu.ini in the player's folder"; return 1; }
    [ "$(ls "$folder")" = "$(printf 'Orvpendu.ini\nPendu.dat')" ] || { echo "      left behind: $(ls "$folder")"; return 1; }
}
check "a first start (offscreen) seeds the player's folder and shows the main window" first_start

next_start() {
    touch -d 2001-01-01 "$folder/Pendu.dat"
    start_game "$home" xvfb-run -a -s "-screen 0 1024x768x24" || return 1
    [ "$(stat -c %Y "$folder/Pendu.dat")" = "$(date -d 2001-01-01 +%s)" ] \
        || { echo "      the player's own word list was replaced"; return 1; }
}
check "a later start (under Xvfb) keeps the player's word list" next_start

xdg_start() {
    mkdir -p "$scratch/home2"
    start_game "$scratch/home2" QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$scratch/data" || return 1
    [ -f "$scratch/data/orv-pendu/Pendu.dat" ] && [ ! -e "$scratch/home2/.local" ] \
        || { echo "      the player's folder is not under XDG_DATA_HOME"; return 1; }
}
check "the player's folder follows XDG_DATA_HOME" xdg_start

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
