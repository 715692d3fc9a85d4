#include "layout/AffichageEtat.h"

#include "app/Contexte.h"

QString NombreAvecSigne(double v) {
    QString n = QString::number(v, 'g', 12);
    return v >= 0 ? u' ' + n : n;
}

void AfficheEtat(Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    ctx.fenetre.FixerTexte(QStringLiteral("frmEdit"),
                           e.TitreFenetre + QStringLiteral("Ecr.: X") + NombreAvecSigne(e.PosX) +
                               QStringLiteral(" Y") + NombreAvecSigne(e.PosY) +
                               QStringLiteral("   Souris: X") + NombreAvecSigne(e.XSouris) +
                               QStringLiteral(" Y") + NombreAvecSigne(e.YSouris));
}
