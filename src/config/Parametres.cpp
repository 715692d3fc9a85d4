#include "config/Parametres.h"

#include "base/Contexte.h"
#include "config/Dossiers.h"
#include "config/Legendes.h"

#include <QDir>
#include <QFile>

namespace {

void RecreerPages(Contexte& ctx) {
    if (ctx.crochets.RecreerPages) ctx.crochets.RecreerPages(ctx);
}

}  // namespace

void ActiverMulticolore(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.TexteMulticolore = true;
    const QString noir = QStringLiteral("0"), bleu = QStringLiteral("16711680"), rouge = QStringLiteral("255"),
                  vert = QStringLiteral("65280");
    e.CouleursMulticolores = {noir, bleu, rouge, bleu, bleu, rouge, rouge, rouge, vert, rouge, rouge};
}

void AppliquerFormatA4(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (!e.FormatA4) {
        e.MargeDroite = 0;
        e.HauteurPageA4 = 0;
        ctx.fenetre.FixerImage(kBoutonA4, 33);
        return;
    }
    e.MargeDroite = 775;
    e.HauteurPageA4 = 1130;
    ctx.fenetre.FixerImage(kBoutonA4, 34);
    ctx.surface.Redimensionner(775, 1130);
    e.LimiteDroite = e.MargeDroite;
}

void AfficherChemin(Contexte& ctx) {
    const QString espaces(5, u' ');
    ctx.fenetre.FixerTexte(QStringLiteral("AFFICHE"),
                           espaces + QStringLiteral("Dernier : ''") + ctx.etat.Chemin + QStringLiteral("''") + espaces);
}

void SupprimerImagesTemporaires(Contexte& ctx) {
    QDir dossier(DossierEcriture(ctx));
    for (const QString& f : dossier.entryList({QStringLiteral("_~EjgSaf*.BMP")}, QDir::Files)) dossier.remove(f);
}

void AppliquerParametresParDefaut(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    e.Taille = 1;
    e.Ecriture = Ecritures::Velmor;
    ctx.fenetre.FixerTexte(QStringLiteral("CmdScaqh"), LegendeEcriture(Ecritures::Velmor));
    e.Langue = Langues::Tumeli;
    AfficherLangue(ctx);
    e.CouleurTexte = 0;
    s.FixerCouleurTrait(0);
    // A reset keeps the drawing when the background stays white.
    if (s.CouleurFond() != 0xFFFFFF) s.FixerCouleurFond(0xFFFFFF);
    e.CouleurFond = 0xFFFFFF;
    s.FixerLargeurTrait(1);
    e.HauteurLigne = 38;
    e.RythmeColler = 1;
    e.FormatA4 = false;
    AppliquerFormatA4(ctx);
    e.PlusieursPages = false;
    ctx.fenetre.FixerTexte(QStringLiteral("CmdWajPaq"), QStringLiteral(">"));
    if (e.Chemin.trimmed().isEmpty()) e.Chemin = QDir::toNativeSeparators(DossierImages() + QStringLiteral("/*.BMP"));
    e.Relief = true;
    e.ProfondeurRelief = e.Taille;
    ctx.fenetre.FixerImage(kBoutonRelief, 38);
    e.EtatFenetre = 2;
    e.HauteurFenetre = e.LargeurFenetre = e.SommetFenetre = e.GaucheFenetre = 0;
    e.PagesRappelables = 30;
    RecreerPages(ctx);
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
    ctx.fenetre.FixerImage(kBoutonRythme, e.RythmeColler + 27);
    AppliquerFormatA4(ctx);
    AfficherChemin(ctx);
    SupprimerImagesTemporaires(ctx);
}

void MNU_Defaut_Click(Contexte& ctx) {
    const Reponse r = ctx.fenetre.Question(QStringLiteral("Voulez-vous vraiment réinitialiser les paramètres ?\n\n"
                                                          "(Nouveaux paramètres par défaut: Noir sur Blanc, etc.)"),
                                           Boutons::OuiNonAnnuler);
    if (r != Reponse::Oui) return;
    QFile::remove(FichierEcrit(ctx, QStringLiteral("Velmor.ini")));
    LireParametres(ctx);
}
