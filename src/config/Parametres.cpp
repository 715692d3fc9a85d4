#include "config/Parametres.h"

#include "base/Contexte.h"
#include "config/Legendes.h"

#include <QDir>

void AppliquerParametresParDefaut(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    e.Taille = 1;
    e.Ecriture = 0;
    ctx.fenetre.FixerTexte(QStringLiteral("CmdScaqh"), LegendeEcriture(0));
    e.Langue = 0;
    AfficherLangue(ctx);
    e.CouleurTexte = 0;
    s.FixerCouleurTrait(0);
    s.FixerCouleurFond(0xFFFFFF);
    s.FixerLargeurTrait(1);
    e.HauteurLigne = 38;
    e.RythmeColler = 1;
    e.FormatA4 = false;
    e.PlusieursPages = false;
    ctx.fenetre.FixerTexte(QStringLiteral("CmdWajPaq"), QStringLiteral(">"));
    if (e.Chemin.trimmed().isEmpty()) e.Chemin = QDir::toNativeSeparators(ctx.dossier + QStringLiteral("/*.BMP"));
    e.Relief = true;
    e.ProfondeurRelief = e.Taille;
    e.EtatFenetre = 2;
    e.HauteurFenetre = e.LargeurFenetre = e.SommetFenetre = e.GaucheFenetre = 0;
    e.PagesRappelables = 30;
    e.LargeurImageFixee = true;
}

void CompleterParametres(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.EcritureAvantDerniere = e.EcriturePrecedente = e.Ecriture;
    e.PasLigne = e.HauteurLigne * e.Taille;
    ctx.fenetre.FixerTexte(QStringLiteral("TxtHauteurLigne"), QString::number(e.HauteurLigne));
    ctx.fenetre.FixerTexte(QStringLiteral("TxtTaille"), QString::number(e.Taille));
    e.HauteurCaractere = e.Taille * e.UniteHauteur;
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PointCurseurPose = false;
    e.MargeGauche = 15;
    e.DecalageCurseur = 0;
    e.HauteurMaxImage = 2040;
    // Pictures left behind by an earlier run.
    QDir dossier(ctx.dossier);
    for (const QString& f : dossier.entryList({QStringLiteral("_~EjgSaf*.BMP")}, QDir::Files))
        dossier.remove(f);
}
