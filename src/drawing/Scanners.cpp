#include "drawing/Scanners.h"

#include "app/Contexte.h"
#include "layout/Lignes.h"

#include <cmath>

int PixelProche(double v) {
    if (!(v > -1e8)) return -100000000;
    if (v > 1e8) return 100000000;
    return static_cast<int>(std::floor(v + 0.5));
}

namespace {

constexpr QRgb kMasque = 0x00FFFFFFu;

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
    const QRgb f = Surface::VersRgb(fond) & kMasque;
    // From the right, as the text ends on its rightmost stroke: a block of columns at a time, each
    // row of it read whole along its scan line; the first block that holds ink holds the answer.
    constexpr int kBloc = 16;
    const uchar* const bits = image.constBits();
    const qsizetype pas = image.bytesPerLine();
    const auto ligne = [bits, pas](int y) { return reinterpret_cast<const QRgb*>(bits + y * pas); };
    for (int droite = x0; droite >= xMin; droite -= kBloc) {
        const int gauche = qMax(xMin, droite - kBloc + 1);
        const bool entier = droite - gauche + 1 == kBloc;
        bool encre = false;
        for (int y = haut; y <= bas && !encre; ++y) {
            const QRgb* l = ligne(y) + gauche;
            QRgb difference = 0;
            if (entier)
                for (int k = 0; k < kBloc; ++k) difference |= l[k] ^ f;
            else
                for (int k = 0; k <= droite - gauche; ++k) difference |= l[k] ^ f;
            encre = difference & kMasque;
        }
        if (!encre) continue;
        for (int x = droite; x >= gauche; --x)
            for (int y = haut; y <= bas; ++y)
                if ((ligne(y)[x] ^ f) & kMasque) return x;
    }
    return -1;
}

int ColonneEncree(const QImage& image, int x0, std::initializer_list<int> lignes, unsigned fond, int xMin) {
    const QRgb* rangs[8];
    int n = 0;
    for (int y : lignes)
        if (y >= 0 && y < image.height() && n < 8) rangs[n++] = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    x0 = qMin(x0, image.width() - 1);
    xMin = qMax(xMin, 0);
    if (n == 0) return -1;
    const QRgb f = Surface::VersRgb(fond) & kMasque;
    for (int x = x0; x >= xMin; --x)
        for (int k = 0; k < n; ++k)
            if ((rangs[k][x] ^ f) & kMasque) return x;
    return -1;
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
    const int x = ColonneEncree(ctx.surface.Vue(), PremiereColonne(ctx), PixelProche(haut), PixelProche(bas), fond);
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

double LimiteDroiteVisible(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int tpp = ctx.fenetre.TwipsParPixelX();
    e.TwipsParPixelX = static_cast<int16_t>(qBound(1, tpp, 32767));
    return std::floor(static_cast<double>(ctx.fenetre.ZoneTravail().width()) / e.TwipsParPixelX) + e.MargeLimite;
}

void ControleFinLigne(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (e.RythmeColler == 2) RendreVisible(ctx);
    if (!e.PositionImposee && !e.RetourForce) {
        e.LimiteDroite = LimiteDroiteVisible(ctx);
        e.XFinGlyphe = e.PosX;
        FinDeLigne(ctx);
    }
    const bool auBord = e.PosX >= e.LimiteDroite || e.XFinGlyphe >= e.LimiteDroite ||
                        (e.MargeDroite != 0 && e.XFinGlyphe > e.MargeDroite);
    if (auBord && e.SautPermis) NouvelleLigne(ctx);
}

void CalculeMargeLimite(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.MargeLimite = e.Taille < 2 ? 20 : -11.0 * e.Taille;
    if (ctx.fenetre.EstMaximisee() && e.Taille < 2) {
        const int r = e.Relief ? -1 : 0;
        e.MargeLimite = 35 - 11 * (1 - r);
    }
    if (e.Taille == 1 && e.LargeurImageFixee) e.MargeLimite = -5;
}
