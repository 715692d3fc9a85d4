"""What the comparisons of a generated dictionary with an independent source share
(comparer_cmu.py, comparer_wiktionnaire.py): reading a Fohms file, cutting a spelling into its
sounds, the distance of two readings, and the count of the shared words that agree."""
import collections


def lire_fohms(chemin):
    """The "word;spelling" lines of a Fohms file (Windows-1252), the first of each word."""
    r = {}
    with open(chemin, encoding="cp1252") as f:
        for l in f:
            k, _, v = l.rstrip("\r\n").partition(";")
            r.setdefault(k, v)
    return r


def decouper(v, groupes, classe=lambda g: g):
    """The sounds of a spelling: its letter groups, the longest that fits first (`groupes` sorted
    longest first), each through `classe`; the stress mark and the "k" that only keeps two vowel
    groups apart are dropped."""
    v = v.replace("'", "")
    r, i = [], 0
    while i < len(v):
        for g in groupes:
            if v.startswith(g, i):
                r.append(classe(g))
                i += len(g)
                break
        else:
            if v[i] != "k":
                r.append(v[i])
            i += 1
    return r


def distance(a, f, accepte):
    """Sounds inserted, dropped or changed from the source's reading `a` to the spelling's `f`;
    `accepte(x, y)` says whether the spelling's sound y stands for the source's x."""
    d = list(range(len(f) + 1))
    for i in range(1, len(a) + 1):
        prec, d[0] = d[0], i
        for j in range(1, len(f) + 1):
            prec, d[j] = d[j], min(d[j] + 1, d[j - 1] + 1, prec + (0 if accepte(a[i - 1], f[j - 1]) else 1))
    return d[len(f)]


def comparer(communs, lectures, accepte, montrer=0, motifs=10):
    """For each shared word, `lectures(word)` gives the source's readings (one or more) and the
    spelling's sounds; the reading nearest the spelling counts. Returns the number of words, the
    share that agree exactly and within one sound, the most frequent differing pairs (on readings
    of equal length: source sound -> spelling sound) and up to `montrer` words that differ."""
    pareils = proches = 0
    compte = collections.Counter()
    exemples = []
    for m in communs:
        sources, f, affichage = lectures(m)
        meilleure, d = None, None
        for a in sources:
            e = distance(a, f, accepte)
            if d is None or e < d:
                meilleure, d = a, e
        pareils += d == 0
        proches += d <= 1
        if d:
            if len(meilleure) == len(f):
                for x, y in zip(meilleure, f):
                    if not accepte(x, y):
                        compte[f"{x} -> {y}"] += 1
            if len(exemples) < montrer:
                exemples.append(f"{m}: {affichage(meilleure)}")
    n = len(communs)
    return n, 100.0 * pareils / n, 100.0 * proches / n, compte.most_common(motifs), exemples


def afficher(chemin, resultat):
    n, exact, un, motifs, exemples = resultat
    print(f"{chemin}: {n} shared words, {exact:.1f} % agree, {un:.1f} % within one sound")
    print("  largest disagreements: " + ", ".join(f"{m} ({c})" for m, c in motifs))
    for e in exemples:
        print("  " + e)
