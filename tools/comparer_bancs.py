#!/usr/bin/env python3
"""Compares builds of one benchmark program in paired rounds, to tell a change's cost from noise.

    tools/comparer_bancs.py FILTER ROUNDS BIN_BEFORE BIN_AFTER [BIN ...]

Each round runs every binary once (5 repetitions, their median), in the given order and then
reversed at the next round, so that the machine's drift falls on every binary alike. Each binary is
compared with the first one of the same round; the rounds' ratios are summarised by their median
and interquartile range, by the wall clock and by processor time. Build each commit in a worktree of
its own; the lines with missing glyphs ("manquants" above 0) are reported, as a binary that reads
no tables times nothing.
"""
import collections
import re
import statistics
import subprocess
import sys

UNITES = {'ns': 1, 'us': 1e3, 'ms': 1e6, 's': 1e9}


def tour(filtre, binaires):
    mesures = collections.defaultdict(dict)
    for b in binaires:
        sortie = subprocess.run([b, f'--benchmark_filter={filtre}', '--benchmark_min_time=0.1',
                                 '--benchmark_repetitions=5', '--benchmark_report_aggregates_only=true'],
                                capture_output=True, text=True).stdout
        for ligne in sortie.splitlines():
            m = re.match(r'(\S+)_median\s+([\d.]+) (\w+)\s+([\d.]+) (\w+)', ligne)
            if not m:
                continue
            if re.search(r'manquants=[1-9]', ligne):
                print(f'missing glyphs: {b}: {ligne}', file=sys.stderr)
            mesures[m.group(1)][b] = (float(m.group(2)) * UNITES[m.group(3)], float(m.group(4)) * UNITES[m.group(5)])
    return mesures


def quartiles(v):
    v = sorted(v)
    return v[len(v) // 4], statistics.median(v), v[(3 * len(v)) // 4]


def main():
    if len(sys.argv) < 5:
        print(__doc__, file=sys.stderr)
        return 2
    filtre, tours, binaires = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    rapports = collections.defaultdict(lambda: collections.defaultdict(lambda: ([], [])))
    references = collections.defaultdict(list)
    for t in range(tours):
        mesures = tour(filtre, binaires if t % 2 == 0 else binaires[::-1])
        for banc, par in mesures.items():
            if binaires[0] not in par:
                continue
            ref = par[binaires[0]]
            references[banc].append(ref[0])
            for b in binaires[1:]:
                if b in par:
                    for k in (0, 1):
                        rapports[banc][b][k].append(100 * (par[b][k] / ref[k] - 1))
    for banc, par in rapports.items():
        ns = statistics.median(references[banc])
        cases = [f'{ns / 1e6:.3f} ms' if ns >= 1e6 else f'{ns / 1e3:.3f} us']
        for b in binaires[1:]:
            for k, nom in ((0, 'wall'), (1, 'cpu')):
                bas, med, haut = quartiles(par[b][k])
                cases.append(f'{nom} {med:+.1f}% [{bas:+.1f}, {haut:+.1f}]')
        print(banc, ' | '.join(cases))
    return 0


if __name__ == '__main__':
    sys.exit(main())
