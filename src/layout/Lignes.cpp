#include "layout/Lignes.h"

#include "app/Contexte.h"

void NouvelleLigne(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.MargeGauche = 15;
    e.YLigne = e.YLigne == 0 ? e.PasLigne : e.YLigne + e.PasLigne;
    e.PosY = e.YLigne + e.DecalageCurseur;
    e.PosX = e.MargeGauche;
    e.XDebutMot = e.PosX;
    e.LimiteDroite = ctx.surface.Largeur() - 15;
    e.RetourForce = true;
    ++e.NombreLignes;
}
