#include "drawing/Chiffres.h"

#include "base/Contexte.h"
#include "drawing/Dessin.h"
#include "drawing/Entrees.h"
#include "drawing/Scanners.h"

namespace {

// Digit entries: positions 3 to 12 hold the advance after each previous digit, 14 the vertical
// offset, and the path starts at 15.
constexpr int kAvancePaire = 3;
constexpr int kDecalageVertical = 14;
constexpr int kDebutChemin = 15;

void ApresLeTexte(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    EspaceMot(ctx);
    e.PosX = e.XFinGlyphe < 1 ? e.MargeGauche : e.XFinGlyphe + e.LargeurBlanc;
    e.XDebutMot = e.PosX;
}

}  // namespace

void DessineChiffres(Contexte& ctx, const QString& mot) {
    EtatProgramme& e = ctx.etat;
    e.PhaseDessinPrecedente = e.PhaseDessin;
    e.PhaseDessin = QStringLiteral("X8");
    if (mot.isEmpty() || !mot[0].isDigit() || mot[0].unicode() > '9') return;
    ApresLeTexte(ctx);
    int precedent = 0;
    for (qsizetype k = 0; k < mot.size(); ++k) {
        const char16_t c = mot[k].unicode();
        if (c < u'0' || c > u'9') break;
        const int d = c - u'0';
        const QString& chemin = ctx.tables.Chiffres[d];
        if (k > 0) e.PosX += e.Taille * ChiffreEntree(chemin, kAvancePaire + precedent);
        double x = e.PosX;
        double y = e.PosY + e.Taille * ChiffreEntree(chemin, kDecalageVertical) - 5.0 * e.Taille;
        Dessin(ctx, chemin, x, y, kDebutChemin, e.CouleurTexte, QString());
        precedent = d;
        ApresLeTexte(ctx);
    }
    e.AvanceGlyphe = 0;
    ScanFinTexte(ctx, Bande::Pleine);
    e.PosX = e.XFinGlyphe;
    e.XDebutMot = e.PosX;
}
