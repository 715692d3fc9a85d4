#include "drawing/Etendue.h"

#include "base/Texte8Bits.h"

#include <algorithm>

EtendueChemin Etendue(const QString& chemin, int premier, int taille) {
    EtendueChemin r;
    double x = 0, y = 0;
    const auto voir = [&](double px, double py) {
        r.haut = std::min(r.haut, py);
        r.bas = std::max(r.bas, py);
        r.gauche = std::min(r.gauche, px);
        r.droite = std::max(r.droite, px);
    };
    const qsizetype n = chemin.size();
    for (qsizetype k = std::max(premier, 1) - 1; k + 1 < n;) {
        const char16_t brut = chemin[k].unicode();
        const char16_t c = brut >= u'a' && brut <= u'z' ? brut - 32 : brut;
        const double l = static_cast<double>(taille) * (Code1252(chemin[k + 1]) - 48);
        k += 2;
        switch (c) {
        case u'R': x += l; break;
        case u'L': x -= l; break;
        case u'U': y -= l; break;
        case u'D': y += l; break;
        case u'E': x += l; y -= l; break;
        case u'F': x += l; y += l; break;
        case u'G': x -= l; y += l; break;
        case u'H': x -= l; y -= l; break;
        case u'T':
        case u'P':
        case u'B': {
            if (k >= n) return r;
            const double b = static_cast<double>(taille) * (Code1252(chemin[k]) - 48);
            ++k;
            if (c == u'T') {
                x += l;
                y += b;
            } else {
                x = l;
                y = b;
            }
            break;
        }
        case u'C':
            voir(x, y - l);
            voir(x, y + l);
            voir(x - l, y);
            x += 2 * l;
            break;
        default: continue;
        }
        voir(x, y);
    }
    return r;
}
