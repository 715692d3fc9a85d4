#include "layout/ChangementEcriture.h"

#include "base/Contexte.h"
#include "drawing/Entrees.h"
#include "drawing/Scanners.h"
#include "layout/Lignes.h"

namespace {

double TaillePolice(const Surface& s) {
    const QFont& f = s.Police();
    return f.pointSizeF() > 0 ? f.pointSizeF() : qMax(0, f.pixelSize());
}

void RegleFinDeLigne(Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    if (e.PosX >= e.LimiteDroite || (e.MargeDroite != 0 && e.PosX > e.MargeDroite)) NouvelleLigne(ctx);
}

}  // namespace

void ChangementEcriture(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (e.CollageEnCours) return;
    const int a = e.EcritureAvantLatin, n = e.EcritureNouvelle;
    bool espaceLatin = true;
    // The Latin and A.P.I. scripts write letters; the Velmor and Dorvane scripts glyphs.
    const auto lettres = [](int c) { return c == Ecritures::Latine || c == Ecritures::API; };
    if ((lettres(a) && lettres(n) && a != n) || (!lettres(a) && lettres(n))) {
        ctx.surface.ImprimerTexte(QStringLiteral(" "));
        e.PosX += 1.9 * TaillePolice(ctx.surface);
        RegleFinDeLigne(ctx);
    } else if ((a == Ecritures::Velmor && n == Ecritures::Dorvane) || (a == Ecritures::Dorvane && n == Ecritures::Velmor)) {
        EspaceMot(ctx);
        e.PosX = e.XFinGlyphe < 1 ? e.MargeGauche : e.XFinGlyphe + e.LargeurBlanc;
    } else if (lettres(a)) {
        if (e.PosX <= e.MargeGauche) e.PosX = e.MargeGauche;
        e.PosX += TaillePolice(ctx.surface);
        RegleFinDeLigne(ctx);
        espaceLatin = false;
    } else {
        return;
    }
    e.XDebutMot = e.PosX;
    e.XTrace = e.PosX;
    e.XAttache = e.PosX + DecalageAttache(ctx);
    if (espaceLatin) e.ApresEspaceLatin = true;
}
