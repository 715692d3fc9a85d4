#include "drawing/MarqueFinMot.h"

#include "base/Contexte.h"
#include "drawing/Dessin.h"
#include "drawing/Scanners.h"

void MarqueFinMot(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.PhaseDessinPrecedente = e.PhaseDessin;
    e.PhaseDessin = QStringLiteral("L:");
    if (e.PositionImposee || !e.SyllabeFinale) return;
    const double y = e.PhaseDessinPrecedente == u"EC" ? e.YLigne - e.HauteurCaractere / 2 : e.YLigne - e.HauteurCaractere;
    const unsigned fond = EchantillonneFond(ctx);
    const int py = PixelProche(y);
    const int k = ColonneEncree(ctx.surface.Vue(), PixelProche(e.PosX + 30.0 * e.Taille), {py, py + 1, py + 2}, fond,
                                PixelProche(e.PosX));
    if (k < 0) return;
    double x = k + 3.0 * e.Taille;
    double haut = e.YLigne - e.HauteurCaractere;
    if (e.Ecriture == Ecritures::Velmor)
        Dessin(ctx, e.MarqueFinVelmor, x, haut, 1, e.CouleurTexte, QString());
    else if (e.Ecriture == Ecritures::Dorvane)
        Dessin(ctx, e.MarqueFinDorvane, x, haut, 1, e.CouleurTexte, QString());
    e.PosX = e.XDebutMot + e.LargeurBlanc;
    e.SyllabeFinale = false;
}
