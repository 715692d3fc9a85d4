#include "app/Demarrage.h"

#include "base/Contexte.h"
#include "config/ChargeTables.h"
#include "config/Parametres.h"
#include "layout/Lignes.h"

void Main(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.StyleRemplissage = 1;
    e.PageEntamee = false;
    e.UniteHauteur = 12;
    e.TitreFenetre = ctx.fenetre.Texte(QStringLiteral("frmEdit")) + QStringLiteral("   ");
    AppliquerParametresParDefaut(ctx);
    CompleterParametres(ctx);
    ChargeTables(ctx);
    NouvelleLigne(ctx);
    e.PosX = 0;
    e.CollageEnCours = false;
}
