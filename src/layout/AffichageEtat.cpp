#include "layout/AffichageEtat.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"

void AfficheEtat(Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    ctx.fenetre.FixerTexte(QStringLiteral("frmEdit"),
                           e.TitreFenetre + QStringLiteral("Ecr.: X") + NombreAvecSigne(e.PosX) +
                               QStringLiteral(" Y") + NombreAvecSigne(e.PosY) +
                               QStringLiteral("   Souris: X") + NombreAvecSigne(e.XSouris) +
                               QStringLiteral(" Y") + NombreAvecSigne(e.YSouris));
}
