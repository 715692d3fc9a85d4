#pragma once
// A phonetic text of made-up words, `lignes` lines of `mots` words, the same for every call.

#include <QString>

inline QString TexteLong(int lignes, int mots = 10) {
    static const char* const kConsonnes[] = {"t", "m", "v", "r", "l", "s", "d", "b", "n", "k"};
    static const char* const kVoyelles[] = {"a", "i", "o", "u", "e"};
    unsigned graine = 7;
    auto suivant = [&graine](unsigned n) {
        graine = graine * 1103515245u + 12345u;
        return (graine >> 16) % n;
    };
    QString t;
    for (int l = 0; l < lignes; ++l) {
        for (int m = 0; m < mots; ++m) {
            for (unsigned s = 0, n = 1 + suivant(3); s < n; ++s)
                t += QLatin1String(kConsonnes[suivant(10)]) + QLatin1String(kVoyelles[suivant(5)]);
            t += m + 1 < mots ? u' ' : u'\n';
        }
    }
    return t;
}
