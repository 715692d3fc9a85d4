#!/usr/bin/env python3
"""Compares Fohms_EN.TXT with an independent American source (the CMU Pronouncing Dictionary as
the npm package cmu-pronouncing-dictionary ships it: index.js, "word": "ARPABET" lines).

    python3 tools/dictionnaires/comparer_cmu.py data/Fohms_EN.TXT CMU/index.js [OLD_FOHMS_EN.TXT...]
        [--ecarts N]

Both readings are cut into sounds; the American one is made non-rhotic and each ARPAbet sound may
match any of the British spellings listed below (one American vowel stands for each British vowel
it merged with: AA for the vowels of "father" and "lot"). What differs in notation only counts as
one sound:
- an "R" that a non-rhotic accent drops (not before a vowel) is dropped, and the vowel before it
  takes the centring glide that stands for it there: EH R as "ea" (square), IH R as "ia" (near),
  UH R as "ua" (cure), AY R and AW R with "eo" after them (fire, hour);
- ARPAbet's ER is a vowel with its R in one sign: before a vowel that R is said in both accents,
  so ER0 is "eo" then R, and a stressed ER the vowel of "nurse" or, where American English merged
  them before R, of "hurry", then R;
- N before K or G: English tells no words apart by /n/ and /ŋ/ there (CMU writes "concord" with N
  and "conquer" with NG).
Prints the share of shared words that agree exactly and within one sound, the most frequent
disagreements (American sound -> spelling sound) and, with --ecarts N, N words that differ."""
import os, re, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comparaison import afficher, comparer, decouper, lire_fohms  # noqa: E402

VOYELLES = {
    "AA": {"aa", "ao", "ah"}, "AE": {"a", "ae", "aa"}, "AH0": {"eo", "ih", "i", "a", "ie"}, "AH": {"aeh", "ao"},
    "AO": {"oo", "ao"}, "AW": {"au"}, "AY": {"ai"}, "EH": {"eh", "e"}, "ER0": {"eo"}, "ER": {"ee"},
    "EY": {"ei"}, "IH": {"ih", "i", "ie", "eo"}, "IY": {"ii", "i"}, "OW": {"oeh", "ou"}, "OY": {"oi"},
    "UH": {"uh", "oo", "ua"}, "UW": {"uu", "u"},
    "EH_R": {"ea", "eh", "e"}, "IH_R": {"ia", "ih", "i"}, "UH_R": {"ua", "oo", "uh"}, "ER_V": {"ee", "aeh"},
    "N_K": {"n", "q"},
}
CONSONNES = {"B": "b", "CH": "tk", "D": "d", "DH": "dh", "F": "f", "G": "g", "HH": "ph", "JH": "dk",
             "K": "c", "L": "l", "M": "m", "N": "n", "NG": "q", "P": "p", "R": "rh", "S": "s", "SH": "sh",
             "T": "t", "TH": "th", "V": "v", "W": "w", "Y": "j", "Z": "z", "ZH": "zh"}
GROUPES = sorted({g for v in VOYELLES.values() for g in v} | set(CONSONNES.values()) |
                 {"ia", "ea", "ua", "eeh", "ck", "oe", "eu", "y", "ay", "oy", "ey", "uy"}, key=len, reverse=True)


def sons_cmu(arpa):
    s = arpa.split()
    r = []
    for i, p in enumerate(s):
        base = re.sub(r"[12]", "", p)
        voyelle_apres = i + 1 < len(s) and s[i + 1][0] in "AEIOU"
        if base == "R" and not voyelle_apres:
            if r and r[-1] in ("EH", "IH", "UH"):
                r[-1] += "_R"
            elif r and r[-1] in ("AY", "AW"):
                r.append("ER0")
            continue
        if base in ("ER", "ER0") and voyelle_apres:
            r.extend(["ER0" if base == "ER0" else "ER_V", "R"])
        elif base[:2] in ("AH", "ER") and base.endswith("0"):
            r.append(base)
        elif base == "N" and i + 1 < len(s) and s[i + 1] in ("K", "G"):
            r.append("N_K")
        else:
            r.append(re.sub(r"0", "", base))
    return r


def accepte(a, f):
    return f in VOYELLES.get(a, ()) or CONSONNES.get(a) == f


def main():
    args, montrer = [], 0
    it = iter(sys.argv[1:])
    for a in it:
        if a == "--ecarts":
            montrer = int(next(it))
        else:
            args.append(a)
    if len(args) < 2:
        sys.exit(__doc__)
    cmu = {}
    for m, a in re.findall(r'^\s*"([^"]+)": "([^"]+)"', open(args[1], encoding="utf-8").read(), re.M):
        if "(" not in m:
            cmu[m] = a
    for chemin in args[:1] + args[2:]:
        fohms = lire_fohms(chemin)
        communs = [m for m in cmu if m in fohms]
        lectures = lambda m: ([sons_cmu(cmu[m])], decouper(fohms[m], GROUPES), lambda a: f"{cmu[m]} / {fohms[m]}")
        afficher(chemin, comparer(communs, lectures, accepte, montrer, 8))


main()
