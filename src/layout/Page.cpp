#include "layout/Page.h"

#include "base/Contexte.h"

void ReinitialiserPage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    ctx.fenetre.FixerDefilement(Barre::Verticale, 0, 0);
    ctx.fenetre.FixerDefilement(Barre::Horizontale, 0, 0);
    e.XDebutMot = e.PosX;
    e.YLigne = e.PasLigne;

    e.Tampon.clear();
    e.Touche.clear();
    e.PageEntamee = false;
    e.NumCouleur = 0;
    e.BasculeVoyelles = 0;
    e.TextePointe.clear();
    e.TexteAffiche.clear();
    e.TamponSon.clear();
    e.ChaineTravail.clear();
    e.ChangementEcran = false;
    e.PositionReprise = 0;
    e.XTrace = e.YTrace = 0;
    e.LettreComposee = 0;
    e.FormeComposee = 0;
    e.MessagesManquants.clear();
    e.PhaseDessin.clear();
    e.PhaseDessinPrecedente.clear();
    e.XOrigine = e.YOrigine = 0;
    e.XPointB = e.YPointB = 0;
    e.PositionImposee = false;

    e.StyleRemplissage = 1;
    e.PosX = e.MargeGauche;
    e.PosY = e.PasLigne;
}
