#!/usr/bin/env python3
"""Compares Fohms_FR.TXT with an independent French source: the Wiktionary pronunciations that the
Debian FreeDict dictionaries from French carry (packages dict-freedict-fra-*, files
/usr/share/dictd/freedict-fra-*.dict.dz, headword lines "word /IPA/"). Used to measure only:
nothing of that source goes into the program's data.

    python3 tools/dictionnaires/comparer_wiktionnaire.py data/Fohms_FR.TXT [OLD_FOHMS_FR.TXT...]
        [--dictd DIR] [--ecarts N]

Only pronunciations written the Wiktionary way are taken (no stress mark: the dictionaries that
had none from Wiktionary carry a synthesised reading with stress marks), one word each (no space),
and every one a word has counts. Both readings are cut into sounds: the IPA through
tools/dictionnaires/api.txt, the spelling by its letter groups. The sounds French speakers no
longer keep apart count as one (a and ɑ, ɛ̃ and œ̃), and so do the readings French allows either way:
open or closed mid vowels before a word's last vowel, a glide or its vowel before a vowel ("tuer"
/tɥe/ or /ty.e/), a schwa said or not. Prints the share of shared words that agree exactly and within one sound, the most frequent
disagreements (source sound -> spelling sound) and, with --ecarts N, N words that disagree."""
import collections, glob, gzip, os, re, sys

ICI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, ICI)
from comparaison import afficher, comparer, decouper, lire_fohms  # noqa: E402

# Sounds counted as one: the spelling's groups of each class.
PAREILS = [{"a", "ah"}, {"ey", "uy"}]
VOYELLES = {"a", "e", "i", "o", "u", "y", "eh", "oh", "eo", "eu", "oe", "ay", "ey", "oy"}
# Before the last vowel of a word, the mid vowels are said open or closed at will.
MI_OUVERTES = {"eh": "e", "oh": "o", "oe": "eu"}


def variation_libre(s):
    """A reading with what French speakers say either way made one: the mid vowels before the last
    vowel, a glide or its vowel after a consonant and before a vowel (/tɥe/ or /ty.e/), the glide
    heard between /i/ and a vowel (/bi.jo/ or /bi.o/), the schwa (said or dropped in most places),
    an affricate written as one sound or two (/tʃ/, /t.ʃ/), /b/ before /s/ or /t/ written voiced or
    as said (/ab.sɑ̃/, /ap.sɑ̃/)."""
    s = [x for g in s for x in {"tk": ["t", "sh"], "dk": ["d", "zh"]}.get(g, [g])]
    derniere = max([i for i, g in enumerate(s) if g in VOYELLES], default=-1)
    r = []
    for i, g in enumerate(s):
        if g == "eo" or (g == "j" and 0 < i < len(s) - 1 and s[i - 1] == "i" and s[i + 1] in VOYELLES):
            continue
        if i < derniere:
            g = MI_OUVERTES.get(g, g)
        devant = i + 1 < len(s) and s[i + 1] in VOYELLES
        apres_consonne = i > 0 and s[i - 1] not in VOYELLES
        if g == "b" and i + 1 < len(s) and s[i + 1] in ("s", "t"):
            g = "p"
        if devant and (g == "wk" or (apres_consonne and g in ("w", "j"))):
            g = {"wk": "y", "w": "u", "j": "i"}[g]
        r.append(g)
    return r


def lire_api(chemin):
    table = {}
    for l in open(chemin, encoding="utf-8"):
        l = l.rstrip("\n")
        if not l or l.startswith("#") or "\t" not in l:
            continue
        ipa, groupes = l.split("\t", 1)
        table[ipa] = groupes.split()
    return table


API = lire_api(os.path.join(ICI, "api.txt"))
CLES = sorted(API, key=len, reverse=True)
GROUPES = sorted({g for v in API.values() for g in v}, key=len, reverse=True)
CLASSE = {g: min(c) for c in PAREILS for g in c}


def sons_ipa(ipa):
    """The groups of an IPA reading, or None when it holds a sound the table does not map."""
    ipa = ipa.replace("g", "ɡ").replace("ǝ", "ə").replace("r", "ʁ")
    ipa = re.sub(r"[.‿ːˌ̯̥̩͡-]", "", ipa)
    r, i = [], 0
    while i < len(ipa):
        for c in CLES:
            if ipa.startswith(c, i):
                r.extend(API[c])
                i += len(c)
                break
        else:
            return None
    return variation_libre([CLASSE.get(g, g) for g in r])


def variantes(ipa):
    """The readings an IPA with optional parts "(ə)" stands for: with and without each."""
    m = re.search(r"\(([^()]*)\)", ipa)
    if not m:
        return [ipa]
    return variantes(ipa[:m.start()] + m.group(1) + ipa[m.end():]) + variantes(ipa[:m.start()] + ipa[m.end():])


def sons_fohms(v):
    return variation_libre(decouper(v, GROUPES, lambda g: CLASSE.get(g, g)))


def lire_source(dossier):
    source = collections.defaultdict(set)
    for chemin in sorted(glob.glob(os.path.join(dossier, "freedict-fra-*.dict.dz"))):
        texte = gzip.open(chemin).read().decode("utf-8")
        for mot, ipa in re.findall(r"^(\S[^\n/]*?) /([^/\n]+)/", texte, re.M):
            mot = mot.strip().lower()
            if " " in mot or " " in ipa.strip() or "ˈ" in ipa or "," in ipa:
                continue
            for v in variantes(ipa.strip()):
                s = sons_ipa(v)
                if s:
                    source[mot].add(tuple(s))
    return source


def main():
    args, dossier, montrer = [], "/usr/share/dictd", 0
    it = iter(sys.argv[1:])
    for a in it:
        if a == "--dictd":
            dossier = next(it)
        elif a == "--ecarts":
            montrer = int(next(it))
        else:
            args.append(a)
    if not args:
        sys.exit(__doc__)
    source = lire_source(dossier)
    if not source:
        sys.exit(f"no French dictionary in {dossier} (apt-get install dict-freedict-fra-deu ...)")
    for chemin in args:
        fohms = lire_fohms(chemin)
        communs = sorted(m for m in source if m in fohms and fohms[m])
        lectures = lambda m: (source[m], sons_fohms(fohms[m]), lambda a: f"{''.join(a)} / {fohms[m]}")
        afficher(chemin, comparer(communs, lectures, lambda x, y: x == y, montrer))


main()
