#!/usr/bin/env bash
# Builds the Debian package with test values for its Maintainer and links, passes it to lintian,
# validates its menu and software-centre entries, checks what it holds and needs, then unpacks it
# and starts the game from its launcher in fresh homes.
# Usage: bash packaging/check.sh [build folder, build-pkg by default]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build="${1:-build-pkg}"

# Test values only: the package built here is checked, never published.
ORV_MAINTAINER="Essai du paquet <essai@orv-pendu.invalid>" \
    ORV_HOMEPAGE_URL="https://orv-pendu.invalid/" \
    ORV_BUGTRACKER_URL="https://orv-pendu.invalid/issues" \
    ORV_FILES_URL="https://orv-pendu.invalid/raw/main" \
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
# A key of the entry itself, not of its actions.
desktop_key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }

# Errors and warnings fail; informational tags are printed for whoever reads the log.
lintian_clean() {
    local report
    report=$(lintian --pedantic --display-info "$deb" 2>&1) || true
    [ -z "$report" ] || sed 's/^/      /' <<<"$report"
    ! grep -Eq '^[EW]: ' <<<"$report"
}
check "lintian --pedantic gives no error and no warning" lintian_clean
check "the menu entry passes desktop-file-validate" desktop-file-validate "$desktop"
check "the software-centre entry passes appstreamcli validate --pedantic" \
    appstreamcli validate --no-net --pedantic "$metainfo"

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
check "the package holds the launcher, program, word lists, entries, icons, manual and changelog" holds_all \
    /usr/games/orv-pendu /usr/libexec/orv-pendu/orv-pendu \
    /usr/share/games/orv-pendu/Pendu.dat /usr/share/games/orv-pendu/Pendu-complet.dat \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" "${icon_pngs[@]}" \
    /usr/share/man/man6/orv-pendu.6.gz \
    /usr/share/doc/orv-pendu/copyright /usr/share/doc/orv-pendu/changelog.gz

check "the launcher and the program are executable" \
    test -x "$root/usr/games/orv-pendu" -a -x "$root/usr/libexec/orv-pendu/orv-pendu"
check "the shipped word list is the repository's" cmp -s data/Pendu.dat "$root/usr/share/games/orv-pendu/Pendu.dat"
check "the shipped complete dictionary is the repository's" \
    cmp -s data/Pendu-complet.dat "$root/usr/share/games/orv-pendu/Pendu-complet.dat"

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

check "the menu entry starts the launcher in /usr/games" test -x "$root/usr/games/$(desktop_key Exec)"
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
# Usage: start_game HOME [VARIABLE=value or wrapper…] [-- launcher arguments…]
start_game() {
    local home=$1 before=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do before+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    (cd / && env -i PATH=/usr/bin:/bin HOME="$home" ORV_QUIT_AFTER_FIRST_PAINT=1 "${before[@]}" \
        timeout 60 "$root/usr/games/orv-pendu" "$@") >"$scratch/game.log" 2>&1 \
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

complete_start() {
    start_game "$home" QT_QPA_PLATFORM=offscreen -- --complet || return 1
    cmp -s data/Pendu-complet.dat "$folder/complet/Pendu.dat" \
        || { echo "      the complete folder did not get the complete dictionary"; return 1; }
    [ -f "$folder/complet/Orvpendu.ini" ] || { echo "      the game did not play in the complete folder"; return 1; }
    [ "$(stat -c %Y "$folder/Pendu.dat")" = "$(date -d 2001-01-01 +%s)" ] \
        || { echo "      the everyday folder's list was touched"; return 1; }
}
check "--complet (the menu entry's action) plays the complete dictionary in its own folder" complete_start
check "the menu entry's action starts the launcher with --complet" \
    grep -qx "Exec=orv-pendu --complet" "$desktop"

version_without_display() {
    local out
    out=$(cd / && env -i PATH=/usr/bin:/bin timeout 10 "$root/usr/games/orv-pendu" --version) \
        || { echo "      status $?"; return 1; }
    [ "$out" = "Orv Pendu 2.0.0" ] || { echo "      printed: $out"; return 1; }
}
check "--version prints and ends with no display and no HOME" version_without_display

# Every long option of the help is in the manual's OPTIONS section, and the other way round.
options_agree() {
    local help manual
    help=$(env -i "$root/usr/games/orv-pendu" --help | grep -E '^  -' | grep -oE -- '--[a-z]+' | sort -u)
    manual=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$source_dir/packaging/orv-pendu.6" \
        | grep -oE -- '\\-\\-[a-z]+' | sed 's/\\//g' | sort -u)
    [ "$help" = "$manual" ] || { echo "      help: $help / manual: $manual" | tr '\n' ' '; echo; return 1; }
}
check "the help and the manual page give the same options" options_agree
check "the manual page formats without a warning" \
    test -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man6/orv-pendu.6.gz" 2>&1 >/dev/null)"

# The launcher's choices, seen by a stand-in for the program that writes down where it was
# started, on which platform and with which arguments.
stub="$scratch/stub"
mkdir -p "$stub/usr/games" "$stub/usr/libexec/orv-pendu" "$stub/usr/share/games/orv-pendu" "$scratch/bin"
cp "$root/usr/games/orv-pendu" "$stub/usr/games/"
cp "$root"/usr/share/games/orv-pendu/*.dat "$stub/usr/share/games/orv-pendu/"
cat >"$stub/usr/libexec/orv-pendu/orv-pendu" <<'STUB'
#!/bin/sh
printf '%s|%s|%s\n' "$PWD" "${QT_QPA_PLATFORM:-}" "$*" >"$ORV_STUB_LOG"
STUB
chmod +x "$stub/usr/libexec/orv-pendu/orv-pendu"
# The user database, as getent gives it, for an account whose home is $scratch/account.
printf '#!/bin/sh\necho "joueur:x:%s:%s::%s:/bin/sh"\n' "$(id -u)" "$(id -g)" "$scratch/account" >"$scratch/bin/getent"
chmod +x "$scratch/bin/getent"

# Usage: launcher_case STATUS EXPECTED-LINE [VARIABLE=value…] -- [arguments…]
launcher_case() {
    local status=$1 expected=$2 envs=() got rc=0
    shift 2
    while [ "$1" != -- ]; do envs+=("$1"); shift; done
    shift
    rm -f "$scratch/stub.log"
    (cd / && env -i PATH="$scratch/bin:/usr/bin:/bin" ORV_STUB_LOG="$scratch/stub.log" "${envs[@]}" \
        "$stub/usr/games/orv-pendu" "$@") >/dev/null 2>&1 || rc=$?
    got=$(cat "$scratch/stub.log" 2>/dev/null || true)
    [ "$rc" = "$status" ] && [ "$got" = "$expected" ] \
        || { echo "      got status $rc and: $got"; echo "      expected $status and: $expected"; return 1; }
}
h="$scratch/stubhome"
player="$h/.local/share/orv-pendu"
check "the launcher hands every argument to the game" launcher_case 0 \
    "$player||-platform offscreen -style fusion" HOME="$h" -- -platform offscreen -style fusion
check "the launcher plays --complet in the complete folder, seeded from the complete list" \
    launcher_case 0 "$player/complet||--complet" HOME="$h" -- --complet
check "  and that folder holds the complete list" cmp -s data/Pendu-complet.dat "$player/complet/Pendu.dat"
check "the launcher prefers X11 when an X server runs, in a Wayland session too" \
    launcher_case 0 "$player|xcb|" HOME="$h" DISPLAY=:99 WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland --
check "the launcher keeps the platform the user chose" \
    launcher_case 0 "$player|wayland|" HOME="$h" DISPLAY=:99 QT_QPA_PLATFORM=wayland --
check "the launcher leaves a Wayland-only session to Qt" \
    launcher_case 0 "$player||" HOME="$h" WAYLAND_DISPLAY=wayland-0 --
check "without HOME the launcher plays in the account's home from the user database" \
    launcher_case 0 "$scratch/account/.local/share/orv-pendu||" --
check "the help is the game's, with no folder made" launcher_case 0 "/||--help" HOME="$scratch/nohome" -- --help
check "  and no folder was made" test ! -e "$scratch/nohome"
check "a folder the launcher cannot make is shown in the game's error box" launcher_case 1 \
    "/||--message Impossible de créer le dossier du joueur /proc/orv-pendu/.local/share/orv-pendu." \
    HOME=/proc/orv-pendu DISPLAY=:99 --

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
