"""Chooses the game's words from a Hunspell .dic whose entries carry Dicollecte
morphological tags, a ranked list of frequent forms and two children's word lists.

A word of the lists is one of these forms of a dictionary entry, folded to A-Z:
  - the stem of a noun, adjective or verb (for a verb, the infinitive);
  - the feminine singular a noun's affix flags derive (plant/F. gives plante);
  - the stem of a plural-only noun (fiançailles);
  - a noun plural a children's list names, when that plural is more frequent
    than its singular (ciseaux, lunettes).
The complete list holds them all, the default list those that are frequent
themselves (same spelling, same accents) in film subtitles or that a
children's list names, with the words frequent in Wikipedia that were read
and judged everyday (courants.txt), less the feminines of past participles
taken as nouns (épousée) and the words set aside; both leave out the
excluded words.

Usage: select-words.py DIC AFF FREQ WIKI REVIEW TYPING VOCAB DATA_DIR OUT_DIR MIN MAX"""
import collections
import json
import os
import re
import sys
import unicodedata

(dic_path, aff_path, freq_path, wiki_path, bad_path, typing_path, vocab_path,
 data_dir, out_dir) = sys.argv[1:10]
min_len, max_len = int(sys.argv[10]), int(sys.argv[11])

# Flags of the .aff that matter here (checked against the file below).
NEEDAFFIX = "()"       # stem is only valid through one of its affixes
FORBIDDEN = "{}"       # forbidden word
KEEPCASE = "||"        # unit symbols and similar
NOSUGGEST = "--"       # symbols, abbreviations, ordinals

PROPER = {"npr", "prn", "patr"}
VERB = re.compile(r"v[0-3]")


def fail(message):
    sys.exit("build-vocabulary: error: " + message)


def note(message):
    print("build-vocabulary: " + message, file=sys.stderr)


def read_aff(path):
    """Return the suffix rules as {flag: [(strip, add, add_flags, cond_re, morph)]},
    and the prefix flags that can leave a stem unchanged as {flag: [add_flags]}
    (unit stems such as gramme take SI prefixes; the other prefixes are elisions)."""
    directives = {}
    rules_by_flag = {}
    unchanged = {}
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
                if kind == "SFX":
                    rules.append((strip, add, add_flags, cond_regex(cond), r[5:]))
                elif strip == add == "" and cond == "." and "is:pl" not in r[5:]:
                    unchanged.setdefault(flag, []).append(add_flags)
            if not rules:
                del rules_by_flag[flag]
    expected = {"FLAG": "long", "NEEDAFFIX": NEEDAFFIX, "FORBIDDENWORD": FORBIDDEN,
                "KEEPCASE": KEEPCASE, "NOSUGGEST": NOSUGGEST}
    for key, value in expected.items():
        if directives.get(key) != value:
            fail(f"unexpected {key} in {path}: {directives.get(key)!r}")
    return rules_by_flag, unchanged


def cond_regex(cond):
    """Hunspell suffix condition -> regex anchored at the word end."""
    body = "".join(ch if ch in "[]^." else re.escape(ch) for ch in cond)
    return re.compile(body + "$")


def split_flags(flags):
    return {flags[k:k + 2] for k in range(0, len(flags) - 1, 2)}


def affixed(stem, flags, affixes):
    """(form, morph tags, flags of the form) for every suffix rule of the entry,
    the form with its ligatures written out."""
    for flag in sorted(flags):
        for strip, add, add_flags, cond, morph in affixes.get(flag, ()):
            if cond.search(stem) and stem.endswith(strip):
                form = stem[:len(stem) - len(strip)] + add
                yield written_out(form), morph, split_flags(add_flags)


LIGATURES = {"œ": "oe", "Œ": "OE", "æ": "ae", "Æ": "AE"}


def written_out(word):
    """Œ and Æ written as two letters, as the frequent forms often are."""
    return "".join(LIGATURES.get(c, c) for c in word)


def spelling(word):
    """Lower case, ligatures written out: the form compared with the frequent
    forms, which keeps its accents ("cœur" and "coeur" are one spelling)."""
    return written_out(word).lower()


def fold(word):
    """Upper-case form: accents and cedilla dropped, ligatures expanded.
    Every source goes through this one function before any comparison."""
    decomposed = unicodedata.normalize("NFD", spelling(word))
    bare = "".join(c for c in decomposed if not unicodedata.combining(c))
    return bare.upper()


LETTERS = re.compile(r"[A-Z]+")
PLAYABLE = re.compile(r"[A-Z]{%d,%d}" % (min_len, max_len))


class Lexicon:
    """The dictionary's forms that can be words of the lists.

    forms:   {spelling: kind} for stems ("stem"), derived feminine nouns
             ("feminine") and plural-only nouns ("plural-only")
    inflected: {spelling: spellings of that word's own forms}: an entry's
             stem has every form its flags derive (plurals, feminines,
             conjugations), a derived feminine its feminine forms
    owners:  {spelling of any stem or derived form: stems of the entries giving it}
    plurals: {plural spelling: singular spelling} of the nouns
    names:   folded forms of the proper nouns
    verbs, nominal: stems of the verb entries, and of the noun and adjective
             entries taken
    participles: {past participle spelling: stems of the verbs giving it}"""

    def __init__(self, dic_path, rules):
        self.forms = {}
        self.inflected = collections.defaultdict(set)
        self.owners = collections.defaultdict(set)
        self.plurals = {}
        self.names = set()
        self.verbs = set()
        self.participles = collections.defaultdict(set)
        self.nominal = set()
        with open(dic_path, encoding="utf-8") as f:
            next(f)  # entry count
            for line in f:
                fields = line.split()
                if fields:
                    self._read(fields, *rules)

    def add(self, form, kind, inflected=()):
        """Records a form that can be a word of the lists, of the given kind,
        with the spellings of its own inflected forms."""
        # A stem wins over a derived reading of the same spelling.
        if not (form.isalpha() and form == form.lower()):
            return
        if form not in self.forms or kind == "stem":
            self.forms[form] = kind
        self.inflected[form].add(form)
        self.inflected[form].update(inflected)

    def own_forms(self, form, rare):
        """The spelling itself, and those of its inflected forms that no other
        entry derives but the given rare ones: "glaces" (plural of glace, and a
        form of the frequent verb glacer) counts for neither word, "baleines"
        for the noun when baleiner is given as rare."""
        return {form} | {f for f in self.inflected[form] if self.owners[f] - {form} <= rare}

    def _read(self, fields, affixes, unchanged):
        raw, _, flag_text = fields[0].partition("/")
        stem = written_out(raw)
        tags = fields[1:]
        pos = {t[3:] for t in tags if t.startswith("po:")}
        flags = split_flags(flag_text)
        # Every entry owns its forms, whatever it is (a form that an adverb
        # or a name also spells is not a word's own).
        derived = list(affixed(raw, flags, affixes))
        for form in [stem] + [form for form, _, _ in derived]:
            self.owners[form].add(stem)
        if any(VERB.match(p) for p in pos):
            self.verbs.add(stem)
            for form, morph, _ in derived:
                if "po:ppas" in morph:
                    self.participles[form].add(stem)
        if PROPER & pos or stem[:1].isupper():
            self.names.add(fold(stem))
        if PROPER & pos or flags & {FORBIDDEN, KEEPCASE, NOSUGGEST}:
            return
        if not ({"nom", "adj"} & pos or any(VERB.match(p) for p in pos)):
            return
        # Verbs listed bare with po:infi have no conjugation in the dictionary:
        # archaic or dialectal (abader, souloir).
        if "po:infi" in tags:
            return
        # Entries tagged plural: nouns used only in the plural, or plurals of
        # compound nouns; only nouns are taken.
        if "is:pl" in tags:
            if "nom" in pos and NEEDAFFIX not in flags:
                self.add(stem, "plural-only")
            return
        # A prefix that leaves the stem as it is makes it a word of its own,
        # with the suffixes that prefix brings (gramme, grammes).
        for flag in sorted(flags & unchanged.keys()):
            for add_flags in unchanged[flag]:
                continued = split_flags(add_flags)
                derived.append((stem, ["is:sg"], continued))
                for form, morph, form_flags in affixed(raw, continued, affixes):
                    derived.append((form, morph, form_flags))
                    self.owners[form].add(stem)
        if stands_alone(stem, flags, derived):
            self.add(stem, "stem", (form for form, _, _ in derived))
        if {"nom", "adj"} & pos:
            self.nominal.add(stem)
        if "nom" not in pos:
            return
        feminines = [form for form, morph, _ in derived if "is:fem" in morph]
        for form, morph, _ in derived:
            if "is:fem" in morph and "is:sg" in morph and form != stem:
                self.add(form, "feminine", feminines)
            if "is:pl" in morph:
                single = stem if "is:fem" not in morph else form[:-1]
                self.plurals.setdefault(form, single)


def stands_alone(stem, flags, derived):
    """True when the stem itself is a valid singular/infinitive form.

    A stem marked NEEDAFFIX is only a word if one of its affix rules
    reproduces it unchanged without making it plural."""
    if NEEDAFFIX not in flags:
        return True
    return any(form == stem and NEEDAFFIX not in form_flags and "is:pl" not in morph
               for form, morph, form_flags in derived)


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


def family_root(word):
    """The start of a word that its variants and derived words share: all but
    its last three letters, and at least five. A word excluded brings every
    word that starts with its root up for review."""
    return word[:max(5, len(word) - 3)]


def children_tokens(typing_path, vocab_path):
    """Spellings of the single words of the two children's lists: the typing
    game's words, and each word of the vocabulary activity's names once the
    article is dropped ("une lampe torche" gives lampe and torche)."""
    with open(typing_path, encoding="utf-8") as f:
        typing = json.load(f)
    with open(vocab_path, encoding="utf-8") as f:
        vocab = json.load(f)
    try:
        words = [w for level in typing["levels"] for w in level["words"]]
        names = list(vocab.values())
    except (KeyError, TypeError, AttributeError):
        fail("a children's list does not have the expected layout")
    if not all(isinstance(w, str) for w in words + names):
        fail("a children's list holds something other than words")
    tokens = set(map(spelling, words))
    for name in names:
        tokens.update(re.split(r"[\s'’]+", spelling(name)))
    return tokens


def write_list(name, words):
    with open(os.path.join(out_dir, name), "w", encoding="ascii", newline="\n") as out:
        for w in sorted(words):
            out.write(w + "\n")


def write_evidence(name, evidence):
    """Lines 'WORD<TAB>form': each frequent word with its most frequent own form."""
    with open(os.path.join(out_dir, name), "w", encoding="utf-8", newline="\n") as out:
        for w in sorted(evidence):
            out.write(w + "\t" + evidence[w] + "\n")


def step(label, default, complete):
    """One line of the table of counts; '-' where a step does not apply."""
    note(f"{label:<34} {default:>7} {complete:>9}")


def require_none(words, message):
    if words:
        fail(message + ": " + " ".join(sorted(words)))


lexicon = Lexicon(dic_path, read_aff(aff_path))


def ranked_forms(path):
    """The forms of a frequency list, and {spelling: rank}, most frequent first."""
    with open(path, encoding="utf-8") as f:
        forms = json.load(f)
    if not (isinstance(forms, list) and all(isinstance(w, str) for w in forms)):
        fail(f"{path} is not a list of words")
    ranks = {}
    for number, form in enumerate(map(spelling, forms)):
        ranks.setdefault(form, number)
    return forms, ranks


frequent_forms, rank = ranked_forms(freq_path)

# A plural a child names is taken when it is more frequent than its singular:
# the word mostly lives in the plural (ciseaux, lunettes, cheveux).
children = children_tokens(typing_path, vocab_path)
for plural in sorted(children & lexicon.plurals.keys()):
    single = lexicon.plurals[plural]
    if plural in rank and rank[plural] < rank.get(single, len(rank)):
        lexicon.add(plural, "children's plural")

# Every form, by its folded word; a word is frequent or a children's word when
# one of the spellings it comes from is, accents included.
spellings = collections.defaultdict(set)
for form in lexicon.forms:
    word = fold(form)
    if LETTERS.fullmatch(word):
        spellings[word].add(form)
KINDS = ("stem", "feminine", "plural-only", "children's plural")
kinds = collections.Counter()
for word, forms in spellings.items():
    if PLAYABLE.fullmatch(word):
        kinds[min((lexicon.forms[f] for f in forms), key=KINDS.index)] += 1
stems = {w for w, forms in spellings.items() if any(lexicon.forms[f] == "stem" for f in forms)}
playable = {w for w in spellings if PLAYABLE.fullmatch(w)}
# Verbs whose infinitive is not frequent and which are no noun or adjective:
# a form one of them shares with a noun or adjective counts for that word.
rare_verbs = {v for v in lexicon.verbs - lexicon.nominal if v not in rank}


def own_evidence(ranks):
    """{word: its most frequent own form} for the playable words that have one
    among the ranked forms."""
    found = {}
    for w in playable:
        seen = set().union(*(lexicon.own_forms(f, rare_verbs if f in lexicon.nominal else set())
                             for f in spellings[w])) & ranks.keys()
        if seen:
            found[w] = min(seen, key=ranks.get)
    return found


evidence = own_evidence(rank)
frequent_words = set(evidence)
# Wikipedia's frequent words bring many learned ones; only those read and
# judged everyday, one by one, enter the default list (courants.txt).
wiki_words = set(own_evidence(ranked_forms(wiki_path)[1]))
children_words = {w for w in playable if spellings[w] & children}


# Frequent words that a player meets as another word, left to the complete
# list unless a children's list names them or gardes.txt keeps them: the
# feminines of past participles taken as nouns (épousée, tombée).
participle_feminine = {w for w in frequent_words
                       if all(lexicon.forms[f] == "feminine" and f.endswith("e")
                              and f[:-1] in lexicon.participles for f in spellings[w])}
another_word = participle_feminine - children_words
frequent = {w for w in map(fold, frequent_forms) if PLAYABLE.fullmatch(w)}
common = frequent_words | children_words

excluded = read_decisions("exclus.txt")
kept = read_decisions("gardes.txt")
uncommon = read_decisions("hors-defaut.txt")
everyday = read_decisions("courants.txt")
require_none(excluded.keys() & kept.keys(), "both in exclus.txt and gardes.txt")
require_none(excluded.keys() & uncommon.keys(), "both in exclus.txt and hors-defaut.txt")
require_none(kept.keys() & uncommon.keys(), "both in gardes.txt and hors-defaut.txt")
require_none(everyday.keys() & (excluded.keys() | uncommon.keys()),
             "both in courants.txt and exclus.txt or hors-defaut.txt")
require_none(everyday.keys() - wiki_words, "courants.txt names words not frequent in Wikipedia")
require_none(everyday.keys() & common, "courants.txt names words already frequent or children's")

# Words that need a decision. Those the review list flags, and those that start
# with the root of an excluded word (its variants and derived words): left out
# of both lists (exclus.txt), of the default list (hors-defaut.txt), or kept
# (gardes.txt). Frequent words that are also proper nouns, whose frequency may
# come from the name: the same choice.
with open(bad_path, encoding="utf-8") as f:
    flagged = {w for w in (fold(l.strip()) for l in f) if LETTERS.fullmatch(w)}
flagged &= playable
roots = sorted({family_root(w) for w in excluded})
related = {w for w in playable if any(w.startswith(r) for r in roots)} - excluded.keys()
named = (frequent_words - children_words) & lexicon.names
decided = excluded.keys() | kept.keys() | uncommon.keys()
require_none(flagged - decided,
             "flagged by french-badwords-list, no decision in exclus.txt, gardes.txt or hors-defaut.txt")
require_none(related - decided,
             "in the family of an excluded word, no decision in exclus.txt, gardes.txt or hors-defaut.txt")
require_none(named - decided,
             "also a proper noun, no decision in exclus.txt, gardes.txt or hors-defaut.txt")
require_none(kept.keys() - playable, "gardes.txt keeps words that are in no list")
require_none(uncommon.keys() - common, "hors-defaut.txt names words that are neither frequent nor children's")
require_none(excluded.keys() - playable, "exclus.txt names words that are in no list")

complete_list = playable - excluded.keys()
plain_common = (common | everyday.keys()) - uncommon.keys() - (another_word - kept.keys())
default_list = plain_common - excluded.keys()

note(f"{'step':<34} {'default':>7} {'complete':>9}")
step("forms (letters A-Z)", len(spellings), len(spellings))
step("  of them stems", len(stems), len(stems))
step(f"{min_len} to {max_len} letters", len(playable), len(playable))
for kind in KINDS:
    step(f"  first read as {kind}", kinds[kind], kinds[kind])
step("frequent themselves", len(frequent_words), "-")
step("children's words", len(children_words), "-")
step("frequent or children's", len(common), "-")
step("  read in Wikipedia's (courants.txt)", len(everyday), "-")
step("  feminine of a participle", len(participle_feminine - children_words), "-")
step("not set aside", len(plain_common), "-")
step("after exclusion", len(default_list), len(complete_list))
children_all = {fold(t) for t in children if PLAYABLE.fullmatch(fold(t))}
note(f"{len(children_words)} of the {len(children_all)} children's words of {min_len} to {max_len} "
     f"letters are dictionary words; {len(children_all & default_list)} are in the default list")
note(f"{len(frequent)} of the {len(frequent_forms)} frequent forms have {min_len} to {max_len} letters once folded; "
     f"french-badwords-list flags {len(flagged)} words, {len(related)} are in the family of an "
     f"excluded word, {len(named)} frequent words are also proper nouns; exclus.txt holds "
     f"{len(excluded)} words, gardes.txt {len(kept)}, hors-defaut.txt {len(uncommon)}")

os.makedirs(out_dir)
write_list("mots.txt", default_list)
write_list("mots-complet.txt", complete_list)
write_evidence("frequents.txt", evidence)
write_list("enfants.txt", children_words)
