#include "layout/LimiteDroite.h"

#include "base/Contexte.h"
#include "layout/Lignes.h"

double LimiteDroiteVisible(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int tpp = ctx.fenetre.TwipsParPixelX();
    e.TwipsParPixelX = static_cast<int16_t>(qBound(1, tpp, 32767));
    auto& l = ctx.largeurVisible;
    const int twips = ctx.fenetre.ZoneTravail().width();
    if (twips != l.twips || e.TwipsParPixelX != l.twipsParPixel) {
        // Whole pixels, rounded down (the quotient of two ints is never within rounding of the
        // next whole number).
        const double q = static_cast<double>(twips) / e.TwipsParPixelX;
        l.pixels = static_cast<double>(static_cast<qint64>(q));
        if (l.pixels > q) l.pixels -= 1;
        l.twips = twips;
        l.twipsParPixel = e.TwipsParPixelX;
    }
    return l.pixels + e.MargeLimite;
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
