#include "transcription/ReglagesEcriture.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "config/Bornes.h"
#include "config/Legendes.h"
#include "drawing/Dessin.h"
#include "drawing/Scanners.h"
#include "layout/LimiteDroite.h"
#include "transcription/Marqueurs.h"

#include <QFont>
#include <cmath>

namespace {

// The surface font: 8 + 4 × Taille points of the metric-compatible sans-serif.
void PoliceSurface(Contexte& ctx) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(8 + 4 * ctx.etat.Taille);
    ctx.surface.FixerPolice(f);
}

// A change of script, made once here for every path (typed, pasted, printed, from the script
// button): a word space of the new script after where the text of the line ends, nothing on an
// empty line. The drawing routines then see no change of script and add no spacing of their own.
void ChangerEcriture(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    ScanFinTexte(ctx, Bande::Pleine);
    const bool lettres = e.Ecriture == Ecritures::Latine || e.Ecriture == Ecritures::API;
    if (e.XFinGlyphe <= e.MargeGauche) e.PosX = e.MargeGauche;
    else if (lettres) e.PosX = e.XFinGlyphe + 1.9 * ctx.surface.Police().pointSizeF();  // the Latin space
    else EspaceMot(ctx);
    if (lettres) e.ApresEspaceLatin = true;
    e.EcritureAvantDerniere = e.EcriturePrecedente = e.Ecriture;
    e.XDebutMot = e.PosX;
    EffacePoints(ctx);
}

}  // namespace

void ChoisirEcriture(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int precedente = CodeEcriture(ctx.fenetre.Texte(QStringLiteral("CmdScaqh")));
    ctx.fenetre.FixerTexte(QStringLiteral("CmdScaqh"), LegendeEcriture(e.Ecriture));
    if (e.Ecriture >= Ecritures::Velmor && e.Ecriture <= Ecritures::Latine && e.Ecriture == precedente) {
        EffacePoints(ctx);
        return;
    }
    if (precedente >= 0 && precedente != e.Ecriture) {
        ChangerEcriture(ctx);
        return;
    }
    ScanFinTexte(ctx, Bande::Ligne);
    switch (e.Ecriture) {
    case Ecritures::Velmor:
        e.PosX = e.MargeGauche != e.XFinGlyphe ? e.XFinGlyphe + e.LargeurBlanc : e.MargeGauche;
        break;
    case Ecritures::Dorvane:
        e.PosX = qMax(e.XFinGlyphe, e.MargeGauche);
        break;
    case Ecritures::Latine:
        e.PosX = e.XFinGlyphe + e.LargeurBlanc;
        if (e.PosX <= 2 * e.MargeGauche) e.PosX = e.MargeGauche;
        break;
    case Ecritures::API:
        e.PosX = qMax(e.XFinGlyphe + e.LargeurBlanc, e.MargeGauche);
        break;
    default: break;
    }
    e.XDebutMot = e.PosX;
    EffacePoints(ctx);
}

void ChoisirLangue(Contexte& ctx, QString& marqueur) {
    if (marqueur.size() >= 3 && marqueur.startsWith(u'%')) marqueur = marqueur.right(2);
    if (const int langue = LangueDuCode(marqueur); langue >= 0) ctx.etat.Langue = static_cast<int16_t>(langue);
    AfficherLangue(ctx);
}

void FixerCouleur(Contexte& ctx, double n) { ctx.etat.NumCouleur = n; }

namespace {
// A marker's number as a box shows it: whole, never in exponent form, so that reading it back
// gives the same value.
QString TexteNombre(double n) { return std::fabs(n) < 1e6 ? QString::number(n) : QString::number(n, 'f', 0); }
}  // namespace

void FixerInterligne(Contexte& ctx, double n) {
    const QString texte = TexteNombre(n);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtHauteurLigne"), texte);
    HauteurLigneSaisie(ctx, texte);
}

void FixerBlanc(Contexte& ctx, double n) {
    ctx.etat.Blanc = BorneBlanc(n);
    ctx.etat.LargeurBlanc = ctx.etat.Blanc * ctx.etat.Taille;
}

void TailleSaisie(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    e.Taille = BorneTaille(Val(texte));
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PasLigne = e.HauteurLigne * e.Taille;
}

void HauteurLigneSaisie(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    e.HauteurLigne = BorneHauteurLigne(Val(texte));
    e.PasLigne = e.HauteurLigne * e.Taille;
}

void FixerTaille(Contexte& ctx, double n) {
    EtatProgramme& e = ctx.etat;
    const QString texte = TexteNombre(n);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtTaille"), texte);
    TailleSaisie(ctx, texte);
    CalculeMargeLimite(ctx);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtTaille"), QString::number(e.Taille));
    e.HauteurCaractere = e.Taille * e.UniteHauteur;
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PasLigne = e.HauteurLigne * e.Taille;
    PoliceSurface(ctx);
    e.ProfondeurRelief = e.Relief ? e.Taille : 0;
    if (e.YLigne == 0 || !e.PageEntamee) {
        e.YLigne = e.PasLigne;
        e.PosY = e.YLigne;
    }
}

void FixerRelief(Contexte& ctx, double n) {
    EtatProgramme& e = ctx.etat;
    e.Relief = n != 0;
    e.ProfondeurRelief = e.Relief ? e.Taille : 0;
}
