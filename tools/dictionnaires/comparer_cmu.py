#!/usr/bin/env python3
"""Compares Fohms_EN.TXT with an independent American source (the CMU Pronouncing Dictionary as
the npm package cmu-pronouncing-dictionary ships it: index.js, "word": "ARPABET" lines).

    python3 tools/dictionnaires/comparer_cmu.py data/Fohms_EN.TXT CMU/index.js [OLD_FOHMS_EN.TXT]

Both readings are cut into sounds; the American one is made non-rhotic (an "R" not before a vowel
is dropped, the vowel before it taking the British centring diphthong: EH R as "ea", IH R as "ia",
UH R as "ua"; an ER before a vowel is a vowel and a linking R, /ʌr/ in "hurry" where stressed) and each ARPAbet sound may match any of the British spellings listed below. The
readings that differ by accent alone count as one: an unstressed IY (the final vowel of "happy")
and /ɪ/, an unstressed AH and /ʌ/ (CMU writes both /ə/ and /ʌ/ AH), N and /ŋ/ before K or G, and
/i/ or /j/ then a weak vowel as the one vowel /ɪə/ the British reading writes (Indian, alienate).
Prints the share of shared words that agree exactly and within one sound, and the most frequent
disagreements (American sound -> spelling sound)."""
import collections, re, sys

VOYELLES = {
    "AA": {"aa", "ao", "ah"}, "AE": {"a", "ae", "aa"}, "AH0": {"eo", "ih", "i", "a", "ie", "aeh"}, "AH": {"aeh", "ao"},
    "AO": {"oo", "ao"}, "AW": {"au"}, "AY": {"ai"}, "EH": {"eh", "e"}, "ER0": {"eo"}, "ER": {"ee"},
    "EY": {"ei"}, "IH": {"ih", "i", "ie", "eo"}, "IY": {"ii", "i"}, "IY0": {"ii", "i", "ih"}, "OW": {"oeh", "ou"},
    "OY": {"oi"}, "UH": {"uh", "oo", "ua"}, "UW": {"uu", "u"},
    "EH_R": {"ea", "eh", "e"}, "IH_R": {"ia", "ih", "i"}, "UH_R": {"ua", "oo", "uh"}, "N_K": {"n", "q"},
    "I_AH": {"ia"}, "ER_V": {"ee", "eo", "aeh"},
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
        if base == "R" and (i + 1 == len(s) or not s[i + 1][0] in "AEIOU"):
            if r and r[-1] in ("EH", "IH", "UH"):
                r[-1] += "_R"
            continue
        if base in ("ER", "ER0") and i + 1 < len(s) and s[i + 1][0] in "AEIOU":
            r.extend(["ER0" if base == "ER0" else "ER_V", "R"])
        elif base[:2] in ("AH", "ER", "IY") and base.endswith("0"):
            r.append(base)
        elif base == "N" and i + 1 < len(s) and s[i + 1] in ("K", "G"):
            r.append("N_K")
        else:
            r.append(re.sub(r"0", "", base))
    return r


def sons_fohms(v):
    v = v.replace("'", "")
    r, i = [], 0
    while i < len(v):
        for g in GROUPES:
            if v.startswith(g, i):
                r.append(g)
                i += len(g)
                break
        else:
            if v[i] != "k":
                r.append(v[i])
            i += 1
    return r


def fusionnee(a):
    """The reading with /i/ or /j/ and the weak vowel after it as one sound, or None."""
    r, i, change = [], 0, False
    while i < len(a):
        if i + 1 < len(a) and a[i] in ("IY", "IY0", "Y") and a[i + 1] in ("AH0", "ER0"):
            r.append("I_AH")
            i += 2
            change = True
        else:
            r.append(a[i])
            i += 1
    return r if change else None


def accepte(a, f):
    return f in VOYELLES.get(a, ()) or CONSONNES.get(a) == f


def distance(a, f):
    d = [[0] * (len(f) + 1) for _ in range(len(a) + 1)]
    for i in range(len(a) + 1):
        for j in range(len(f) + 1):
            if i == 0 or j == 0:
                d[i][j] = i + j
            else:
                d[i][j] = min(d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (0 if accepte(a[i - 1], f[j - 1]) else 1))
    return d[len(a)][len(f)]


def ecarts(a, f, compte):
    if len(a) == len(f):
        for x, y in zip(a, f):
            if not accepte(x, y):
                compte[f"{x} -> {y}"] += 1


def lire_fohms(chemin):
    r = {}
    with open(chemin, encoding="cp1252") as f:
        for l in f:
            k, _, v = l.rstrip("\r\n").partition(";")
            r.setdefault(k, v)
    return r


def comparer(fohms, cmu):
    pareils = proches = 0
    compte = collections.Counter()
    communs = [m for m in cmu if m in fohms]
    for m in communs:
        a, f = sons_cmu(cmu[m]), sons_fohms(fohms[m])
        d = distance(a, f)
        b = fusionnee(a)
        if d and b and distance(b, f) < d:
            a, d = b, distance(b, f)
        pareils += d == 0
        proches += d <= 1
        if d:
            ecarts(a, f, compte)
    n = len(communs)
    return n, 100.0 * pareils / n, 100.0 * proches / n, compte.most_common(8)


def main():
    cmu = {}
    for m, a in re.findall(r'^\s*"([^"]+)": "([^"]+)"', open(sys.argv[2], encoding="utf-8").read(), re.M):
        if "(" not in m:
            cmu[m] = a
    for chemin in sys.argv[1:2] + sys.argv[3:]:
        n, exact, un, motifs = comparer(lire_fohms(chemin), cmu)
        print(f"{chemin}: {n} shared words, {exact:.1f} % agree, {un:.1f} % within one sound")
        print("  largest disagreements: " + ", ".join(f"{m} ({c})" for m, c in motifs))


main()
