#include "layout/Repositionnement.h"

#include "base/Contexte.h"
#include "drawing/Dessin.h"
#include "drawing/Scanners.h"
#include "layout/AffichageEtat.h"

#include <cmath>

namespace {

const QString kMarque = QStringLiteral("R2U2L2D2R1");

// The base line of the line under y: the next multiple of the line step. Without a usable step
// the click's own height is kept.
double LigneSous(double y, double pas) {
    if (!(pas > 0) || !std::isfinite(pas) || !std::isfinite(y)) return y;
    return pas * (std::floor(y / pas) + 1);
}

QString Nombre(double v) { return QString::number(v, 'g', 12); }

}  // namespace

Couleur CouleurOptionRepos(OptionRepos option) {
    switch (option) {
        case OptionRepos::AbsoluX: return 0;
        case OptionRepos::LogiqueX: return 65280;
        case OptionRepos::AbsoluY: return 255;
        case OptionRepos::LogiqueY: return 0xFF0000;
    }
    return 0;
}

void DessineMarqueRepos(Contexte& ctx, double x, double y, Couleur couleur) {
    Dessin(ctx, kMarque, x, y, 1, couleur, QString());
}

void EffaceMarqueRepos(Contexte& ctx, double x, double y) {
    ctx.etat.CouleurFond = EchantillonneFond(ctx);
    DessineMarqueRepos(ctx, x, y, ctx.etat.CouleurFond);
}

void CliqueRepositionnement(Contexte& ctx, double x, double y) {
    EtatProgramme& e = ctx.etat;
    e.XAvantRepos = e.PosX;
    e.YAvantRepos = e.PosY;
    e.XDebutAvantRepos = e.XDebutMot;
    e.YLigneAvantRepos = e.YLigne;
    e.XRepos = x;
    e.YRepos = y;
    e.XDebutMot = e.PosX;
    e.YLigne = e.PosY;
    e.PosX = x;
    e.PosY = y;
}

void OuvreRepositionnement(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.Repositionnement = true;
    e.PhaseDessin = QStringLiteral("Z0");
    e.CouleurFond = EchantillonneFond(ctx);
    e.XDebutMot = e.PosX;
    e.YLigne = e.PosY;
    e.PositionImposee = false;
    ScanFinTexte(ctx, Bande::Pleine);
    e.PositionImposee = true;
    // The scan answers MargeGauche when the line holds no text: the cursor then goes to the margin.
    if (e.XFinGlyphe < 1 || e.XFinGlyphe <= e.MargeGauche) {
        e.XFinGlyphe = e.MargeGauche;
        e.XLogique = e.MargeGauche;
    } else {
        e.XLogique = e.XFinGlyphe + e.LargeurBlanc;
    }
    e.YLogique = LigneSous(e.PosY, e.PasLigne);
    e.XSouris = e.PosX;
    e.YSouris = e.PosY;
    AfficheEtat(ctx);
    ChoisitOptionRepos(ctx, OptionRepos::AbsoluY);
    ChoisitOptionRepos(ctx, OptionRepos::AbsoluX);
}

void ChoisitOptionRepos(Contexte& ctx, OptionRepos option) {
    EtatProgramme& e = ctx.etat;
    EffaceMarqueRepos(ctx, e.XSouris, e.YSouris);
    switch (option) {
        case OptionRepos::AbsoluX: e.XSouris = e.PosX; break;
        case OptionRepos::LogiqueX: e.XSouris = e.XLogique; break;
        case OptionRepos::AbsoluY: e.YSouris = e.PosY; break;
        case OptionRepos::LogiqueY: e.YSouris = e.YLogique; break;
    }
    DessineMarqueRepos(ctx, e.XSouris, e.YSouris, CouleurOptionRepos(option));
    AfficheEtat(ctx);
}

QString LegendeOptionRepos(const EtatProgramme& e, OptionRepos option, double valeur) {
    (void)e;
    switch (option) {
        case OptionRepos::AbsoluX: return QStringLiteral("Repositionnement  Absolu :   X = ") + Nombre(valeur);
        case OptionRepos::LogiqueX: return QStringLiteral("Repositionnement  Logique : X = ") + Nombre(valeur);
        case OptionRepos::AbsoluY: return QStringLiteral("Repositionnement  Absolu :   Y = ") + Nombre(valeur);
        case OptionRepos::LogiqueY: return QStringLiteral("Repositionnement  Logique : Y = ") + Nombre(valeur);
    }
    return {};
}

QString LegendeOptionRepos(const EtatProgramme& e, OptionRepos option) {
    switch (option) {
        case OptionRepos::AbsoluX: return LegendeOptionRepos(e, option, e.PosX);
        case OptionRepos::LogiqueX: return LegendeOptionRepos(e, option, e.XLogique);
        case OptionRepos::AbsoluY: return LegendeOptionRepos(e, option, e.PosY);
        case OptionRepos::LogiqueY: return LegendeOptionRepos(e, option, e.YLogique);
    }
    return {};
}

namespace {

// The cursor where the dialog left it: the repositioning point, the mouse and the caption follow.
void CurseurRepose(Contexte& ctx, bool imposee) {
    EtatProgramme& e = ctx.etat;
    e.XRepos = e.XSouris = e.PosX;
    e.YRepos = e.YSouris = e.PosY;
    e.PositionImposee = imposee;
    AfficheEtat(ctx);
}

}  // namespace

void ValideRepositionnement(Contexte& ctx, bool logiqueX, bool logiqueY) {
    EtatProgramme& e = ctx.etat;
    EffaceMarqueRepos(ctx, e.XSouris, e.YSouris);
    if (logiqueY) {
        e.PosY = e.YLogique;
        e.YLigne = e.PosY;
    }
    if (logiqueX) {
        e.PosX = e.XLogique;
        e.XDebutMot = e.PosX;
    }
    CurseurRepose(ctx, true);
}

void AnnuleRepositionnement(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    EffaceMarqueRepos(ctx, e.XSouris, e.YSouris);
    // The opening moved XDebutMot and YLigne to the click: the cursor comes back from the copy
    // taken before it.
    e.PosX = e.XAvantRepos;
    e.PosY = e.YAvantRepos;
    e.XDebutMot = e.XDebutAvantRepos;
    e.YLigne = e.YLigneAvantRepos;
    CurseurRepose(ctx, false);
}

void FermeRepositionnement(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    EffaceMarqueRepos(ctx, e.PosX, e.PosY);
    e.Repositionnement = false;
}
