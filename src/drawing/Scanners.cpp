#include "drawing/Scanners.h"

#include "base/Contexte.h"

#include <bit>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr QRgb kMasque = 0x00FFFFFFu;
constexpr int kBloc = 16;  // columns read together

// Bit k set when pixel l[k] (k < n <= 16) of one of the `nombre` rows differs from `f` in its
// colour (alpha ignored).
template <typename Rangs>
unsigned MasqueCourt(const Rangs& rangs, int nombre, int gauche, int n, QRgb f) {
    unsigned bits = 0;
    for (int r = 0; r < nombre; ++r) {
        const QRgb* l = rangs(r) + gauche;
        for (int k = 0; k < n; ++k)
            if ((l[k] ^ f) & kMasque) bits |= 1u << k;
    }
    return bits;
}

// The same for a whole block of 16 columns: each column's differences are merged over the rows,
// and the merged columns are compared once.
template <typename Rangs>
unsigned MasqueBloc(const Rangs& rangs, int nombre, int gauche, QRgb f) {
#if defined(__SSE2__)
    const __m128i fond = _mm_set1_epi32(static_cast<int>(f));
    __m128i d0 = _mm_setzero_si128(), d1 = d0, d2 = d0, d3 = d0;
    for (int r = 0; r < nombre; ++r) {
        const __m128i* l = reinterpret_cast<const __m128i*>(rangs(r) + gauche);
        d0 = _mm_or_si128(d0, _mm_xor_si128(_mm_loadu_si128(l), fond));
        d1 = _mm_or_si128(d1, _mm_xor_si128(_mm_loadu_si128(l + 1), fond));
        d2 = _mm_or_si128(d2, _mm_xor_si128(_mm_loadu_si128(l + 2), fond));
        d3 = _mm_or_si128(d3, _mm_xor_si128(_mm_loadu_si128(l + 3), fond));
    }
    const __m128i masque = _mm_set1_epi32(static_cast<int>(kMasque)), zero = _mm_setzero_si128();
    const auto quatre = [&](__m128i d) {
        const __m128i vierge = _mm_cmpeq_epi32(_mm_and_si128(d, masque), zero);
        return static_cast<unsigned>(~_mm_movemask_ps(_mm_castsi128_ps(vierge)) & 0xF);
    };
    return quatre(d0) | quatre(d1) << 4 | quatre(d2) << 8 | quatre(d3) << 12;
#else
    return MasqueCourt(rangs, nombre, gauche, kBloc, f);
#endif
}

// From the right, a block of columns at a time: the first block holding ink gives the answer,
// its highest bit.
template <typename Rangs>
int DernierEncre(const Rangs& rangs, int nombre, int x0, int xMin, QRgb f) {
    for (int droite = x0; droite >= xMin; droite -= kBloc) {
        const int gauche = qMax(xMin, droite - kBloc + 1);
        const int largeur = droite - gauche + 1;
        const unsigned bits = largeur == kBloc ? MasqueBloc(rangs, nombre, gauche, f)
                                               : MasqueCourt(rangs, nombre, gauche, largeur, f);
        if (bits) return gauche + (31 - std::countl_zero(bits));
    }
    return -1;
}

// The first column to scan: PosX + 30 × Taille, kept inside the picture.
int PremiereColonne(const Contexte& ctx) {
    const int x0 = PixelProche(ctx.etat.PosX + 30.0 * ctx.etat.Taille);
    return qMin(x0, ctx.surface.Largeur() - 1);
}

}  // namespace

int ColonneEncree(const QImage& image, int x0, int haut, int bas, unsigned fond, int xMin) {
    haut = qMax(haut, 0);
    bas = qMin(bas, image.height() - 1);
    x0 = qMin(x0, image.width() - 1);
    xMin = qMax(xMin, 0);
    if (haut > bas || x0 < xMin) return -1;
    const uchar* const bits = image.constBits() + haut * image.bytesPerLine();
    const qsizetype pas = image.bytesPerLine();
    const auto rang = [bits, pas](int r) { return reinterpret_cast<const QRgb*>(bits + r * pas); };
    return DernierEncre(rang, bas - haut + 1, x0, xMin, Surface::VersRgb(fond));
}

int ColonneEncree(const QImage& image, int x0, std::initializer_list<int> lignes, unsigned fond, int xMin) {
    const QRgb* rangs[8];
    int n = 0;
    for (int y : lignes)
        if (y >= 0 && y < image.height() && n < 8) rangs[n++] = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    x0 = qMin(x0, image.width() - 1);
    xMin = qMax(xMin, 0);
    if (n == 0 || x0 < xMin) return -1;
    const auto rang = [&rangs](int r) { return rangs[r]; };
    return DernierEncre(rang, n, x0, xMin, Surface::VersRgb(fond));
}

namespace {

// Row y's last ink in [meilleure + 1, min(x0, its bound)], or meilleure. The bounds of thin
// strokes are exact and those of wide ones a few pixels out: the first pixels are read one by one.
int MieuxDansRang(const Surface& s, int y, int x0, int meilleure, QRgb f) {
    int x = qMin(s.Encre().Droite(y), x0);
    if (x <= meilleure) return meilleure;
    const QRgb* ligne = s.LigneBrute(y);
    for (const int fin = qMax(meilleure + 1, x - 7); x >= fin; --x)
        if ((ligne[x] ^ f) & kMasque) return x;
    if (x <= meilleure) return meilleure;
    return qMax(meilleure, DernierEncre([ligne](int) { return ligne; }, 1, x, meilleure + 1, f));
}

}  // namespace

// Against the surface's own background, a row needs reading only left of its bound, and only right
// of the best column found so far: most rows need no reading at all.
int ColonneEncreeConnue(const Surface& s, int x0, int haut, int bas, unsigned fond) {
    if (fond != s.CouleurFond()) return ColonneEncree(s.Vue(), x0, haut, bas, fond);
    x0 = qMin(x0, s.Largeur() - 1);
    haut = qMax(haut, 0);
    bas = qMin(bas, s.Hauteur() - 1);
    if (haut > bas || x0 < 0) return -1;
    // The row with the furthest bound first: its ink there, the usual case, settles the answer
    // without reading any other row.
    int premiere = haut;
    for (int y = haut + 1; y <= bas; ++y)
        if (s.Encre().Droite(y) > s.Encre().Droite(premiere)) premiere = y;
    int meilleure = MieuxDansRang(s, premiere, x0, -1, Surface::VersRgb(fond));
    if (meilleure == qMin(s.Encre().Droite(premiere), x0)) return meilleure;
    for (int y = haut; y <= bas; ++y) meilleure = MieuxDansRang(s, y, x0, meilleure, Surface::VersRgb(fond));
    return meilleure;
}

int ColonneEncreeConnue(const Surface& s, int x0, std::initializer_list<int> lignes, unsigned fond) {
    if (fond != s.CouleurFond()) return ColonneEncree(s.Vue(), x0, lignes, fond);
    x0 = qMin(x0, s.Largeur() - 1);
    int meilleure = -1;
    for (int y : lignes)
        if (y >= 0 && y < s.Hauteur()) meilleure = MieuxDansRang(s, y, x0, meilleure, Surface::VersRgb(fond));
    return meilleure;
}

bool Encre(const QImage& image, int x, int y, unsigned fond) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return false;
    return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] ^ Surface::VersRgb(fond)) & kMasque;
}

unsigned EchantillonneFond(Contexte& ctx) {
    const Surface& s = ctx.surface;
    if (s.Largeur() > 0 && s.Hauteur() > 0) ctx.etat.CouleurFond = Surface::DepuisRgb(s.LigneBrute(0)[0]);
    return ctx.etat.CouleurFond;
}

void ScanFinTexte(Contexte& ctx, Bande bande) {
    EtatProgramme& e = ctx.etat;
    if (e.PositionImposee) return;
    if (e.PosX < e.MargeGauche) {
        if (bande == Bande::Ligne) {
            e.XFinGlyphe = e.MargeGauche;
            return;
        }
        if (bande == Bande::Cellule) {
            e.PosX = e.MargeGauche;
            e.XDebutMot = e.PosX;
        }
    }
    double haut = e.YLigne - e.HauteurCaractere, bas = e.YLigne;
    if (bande == Bande::Ligne) {
        haut = e.YLigne - e.LargeurBlanc;
        bas = e.YLigne + e.LargeurBlanc;
    } else if (bande == Bande::Pleine) {
        haut = e.YLigne - e.HauteurCaractere - e.LargeurBlanc;
        bas = e.YLigne + e.LargeurBlanc;
    }
    const unsigned fond = EchantillonneFond(ctx);
    const int h = PixelProche(haut), b = PixelProche(bas);
    const int x = ColonneEncreeConnue(ctx.surface, PremiereColonne(ctx), h, b, fond);
    e.XFinGlyphe = x < 1 ? e.MargeGauche : x;
    if (bande == Bande::Cellule) {
        e.PosX = e.XFinGlyphe;
        e.XDebutMot = e.PosX;
    }
}

void EspaceMot(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (e.PositionImposee) return;
    if (e.PosX < e.MargeGauche) {
        e.PosX = e.MargeGauche;
        e.XFinGlyphe = e.MargeGauche;
        e.XDebutMot = e.PosX;
        return;
    }
    ScanFinTexte(ctx, Bande::Pleine);
    e.PosX = e.XFinGlyphe < 1 ? e.MargeGauche : e.XFinGlyphe + 2 * e.LargeurBlanc;
    e.XDebutMot = e.PosX;
}
