#!/usr/bin/env bash
# Builds data/mots.txt, the default word list of the game, from the French
# Hunspell dictionary shipped by Debian 12 (package hunspell-fr-classical).
#
# Usage: bash data/build-vocabulary.sh
#
# The package version and the checksums of fr.dic / fr.aff are pinned, so the
# list can only be rebuilt from exactly the same input. The package is fetched
# with `apt-get download` into a temporary directory; when that is impossible
# (no network, no apt) the installed copy is used instead, provided it is the
# pinned version and its files have the expected checksums.

set -euo pipefail

PACKAGE=hunspell-fr-classical
PINNED_VERSION='1:7.0-1'
DIC_SHA256=4b1415593d599dbd943dde6d00515bbde3b4287ab62666242d959f74ddb16a6e
AFF_SHA256=b0aa05cec5f2de2372c3ab6b2726288c39fcb384e602dbade97e91020edc25a7

# Word length bounds, after folding to A-Z.
MIN_LEN=6
MAX_LEN=12
# Below this count something went wrong upstream or in the selection.
MIN_WORDS=40000

DATA_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
OUT="$DATA_DIR/mots.txt"

die() { echo "build-vocabulary: error: $*" >&2; exit 1; }
note() { echo "build-vocabulary: $*" >&2; }

command -v python3 >/dev/null || die "python3 is required"
command -v sha256sum >/dev/null || die "sha256sum is required"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

DIC=''
AFF=''

# 1. Preferred source: the pinned .deb, unpacked into the temp dir.
fetch_package() {
    command -v apt-get >/dev/null || return 1
    command -v dpkg >/dev/null || return 1
    (cd "$WORK" && apt-get download -q "$PACKAGE=$PINNED_VERSION") >&2 || return 1
    local deb
    deb="$(ls "$WORK"/"$PACKAGE"_*.deb 2>/dev/null | head -n 1)"
    [[ -n "$deb" ]] || return 1
    dpkg -x "$deb" "$WORK/root" || return 1
    DIC="$WORK/root/usr/share/hunspell/fr.dic"
    AFF="$WORK/root/usr/share/hunspell/fr.aff"
    [[ -f "$DIC" && -f "$AFF" ]]
}

# 2. Fallback: the installed package, if it is the pinned version.
use_installed() {
    command -v dpkg-query >/dev/null || return 1
    local installed
    installed="$(dpkg-query -W -f='${Version}' "$PACKAGE" 2>/dev/null)" || return 1
    if [[ "$installed" != "$PINNED_VERSION" ]]; then
        note "installed $PACKAGE is $installed, expected $PINNED_VERSION"
        return 1
    fi
    DIC="$(readlink -f /usr/share/hunspell/fr.dic)"
    AFF="$(readlink -f /usr/share/hunspell/fr.aff)"
    [[ -f "$DIC" && -f "$AFF" ]]
}

if fetch_package; then
    note "using downloaded $PACKAGE $PINNED_VERSION"
elif use_installed; then
    note "download impossible, using installed $PACKAGE $PINNED_VERSION"
else
    die "cannot obtain $PACKAGE $PINNED_VERSION (neither apt-get download nor installed copy)"
fi

check_sum() {
    local file=$1 expected=$2 actual
    actual="$(sha256sum "$file" | cut -d' ' -f1)"
    [[ "$actual" == "$expected" ]] ||
        die "checksum mismatch for $file: got $actual, expected $expected"
}
check_sum "$DIC" "$DIC_SHA256"
check_sum "$AFF" "$AFF_SHA256"
note "checksums of fr.dic and fr.aff verified"

python3 - "$DIC" "$AFF" "$WORK/mots.txt" "$MIN_LEN" "$MAX_LEN" <<'PY'
"""Select plain headwords (nouns, adjectives, verb infinitives) from a
Hunspell .dic whose entries carry Dicollecte morphological tags, fold them to
A-Z and write them sorted, one per line. Affixes are never expanded: only the
stem of each entry is considered."""
import re
import sys
import unicodedata

dic_path, aff_path, out_path = sys.argv[1:4]
min_len, max_len = int(sys.argv[4]), int(sys.argv[5])

# Flags of the .aff that matter here (checked against the file below).
NEEDAFFIX = "()"       # stem is only valid through one of its affixes
FORBIDDEN = "{}"       # forbidden word
KEEPCASE = "||"        # unit symbols and similar
NOSUGGEST = "--"       # symbols, abbreviations, ordinals

PROPER = {"npr", "prn", "patr"}
VERB = re.compile(r"v[0-3]")


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
            sys.exit(f"unexpected {key} in {path}: {directives.get(key)!r}")
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
    """Upper-case A-Z form: accents dropped, ligatures expanded."""
    word = "".join(LIGATURES.get(c, c) for c in word)
    decomposed = unicodedata.normalize("NFD", word)
    bare = "".join(c for c in decomposed if not unicodedata.combining(c))
    return bare.upper()


affixes = read_aff(aff_path)
plain = re.compile(r"[A-Z]{%d,%d}" % (min_len, max_len))
words = set()
stats = dict(lines=0, category=0, proper=0, plural=0, archaic=0, marked=0,
             shape=0, not_alone=0, length=0, kept=0)

with open(dic_path, encoding="utf-8") as f:
    next(f)  # entry count
    for line in f:
        fields = line.split()
        if not fields:
            continue
        stats["lines"] += 1
        stem, _, flag_text = fields[0].partition("/")
        tags = fields[1:]
        pos = {t[3:] for t in tags if t.startswith("po:")}
        flags = split_flags(flag_text)

        if PROPER & pos:
            stats["proper"] += 1
            continue
        if not ({"nom", "adj"} & pos or any(VERB.match(p) for p in pos)):
            stats["category"] += 1
            continue
        if "is:pl" in tags:
            stats["plural"] += 1
            continue
        # Verbs listed bare with po:infi have no conjugation in the
        # dictionary: archaic or dialectal words (abader, crônir, souloir).
        if "po:infi" in tags:
            stats["archaic"] += 1
            continue
        if flags & {FORBIDDEN, KEEPCASE, NOSUGGEST}:
            stats["marked"] += 1
            continue
        # Lower-case letters only: no capitals (proper nouns, acronyms,
        # chemical formulas), no hyphen, apostrophe, digit, dot or space.
        if not (stem.isalpha() and stem == stem.lower()):
            stats["shape"] += 1
            continue
        if not stands_alone(stem, flags, affixes):
            stats["not_alone"] += 1
            continue
        word = fold(stem)
        if not plain.fullmatch(word):
            stats["length"] += 1
            continue
        stats["kept"] += 1
        words.add(word)

with open(out_path, "w", encoding="ascii", newline="\n") as out:
    for w in sorted(words):
        out.write(w + "\n")

print("entries read %(lines)d; dropped: proper noun %(proper)d, other "
      "category %(category)d, plural only %(plural)d, bare archaic infinitive "
      "%(archaic)d, symbol/abbreviation %(marked)d, capitals or non-letters "
      "%(shape)d, not a standalone form %(not_alone)d, length or letters "
      "%(length)d; kept %(kept)d" % stats, file=sys.stderr)
print("distinct words: %d" % len(words), file=sys.stderr)
PY

# Slurs and crude words a family game should not ask for; kept by hand in exclus.txt.
LC_ALL=C grep -vxFf "$DATA_DIR/exclus.txt" "$WORK/mots.txt" > "$WORK/kept.txt" || true
mv "$WORK/kept.txt" "$WORK/mots.txt"

count="$(wc -l < "$WORK/mots.txt")"
(( count >= MIN_WORDS )) || die "only $count words selected (at least $MIN_WORDS expected)"
LC_ALL=C grep -qvxE "[A-Z]{$MIN_LEN,$MAX_LEN}" "$WORK/mots.txt" &&
    die "output holds a line that is not $MIN_LEN-$MAX_LEN letters A-Z"
LC_ALL=C sort -uc "$WORK/mots.txt" || die "output is not sorted and unique"

mv "$WORK/mots.txt" "$OUT"
note "wrote $count words to $OUT"
