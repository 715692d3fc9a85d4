#include "layout/Ecrans.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "drawing/Scanners.h"
#include "layout/MagasinImages.h"

namespace {

constexpr int kDernierEcranPossible = 20;
constexpr Couleur kFondEcranCourant = 0x80FFFF;  // pale yellow: the box shows the last stored screen
constexpr Couleur kFondAutreEcran = 0xFFFFFF;

void MontrerBoutonsEcrans(Contexte& ctx) {
    for (const char* c : {"CmdPaqPos", "CmdPaqAht", "TxtPaq"}) ctx.fenetre.MontrerControle(QLatin1String(c));
}

void TropDEcrans(Contexte& ctx, int maxi) {
    EtatProgramme& e = ctx.etat;
    ctx.fenetre.Information(QStringLiteral("Texte trop important, doit occuper %1 écrans maxi !").arg(maxi));
    e.NumeroEcran = maxi;
    e.DernierEcran = maxi;
    e.EcransPleins = true;
    e.LimiteAtteinte = true;
}

// A full screen handed to the context's receiver: numbered on, nothing kept.
void RemettreEcran(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.NumeroEcran = qMax(1, e.NumeroEcran);
    ctx.recepteurEcrans->Prendre(ctx.surface, e.NumeroEcran);
    e.DernierEcran = e.NumeroEcran++;
    if (ctx.ecransMaxi > 0 && e.NumeroEcran > ctx.ecransMaxi) TropDEcrans(ctx, ctx.ecransMaxi);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtPaq"), QString::number(e.NumeroEcran));
}

void NoterEtatEcran(Contexte& ctx, int numero) {
    EtatProgramme& e = ctx.etat;
    e.EtatEcrans[static_cast<size_t>(numero)] = {
        e.PosX,
        e.PosY,
        static_cast<double>(ctx.fenetre.ValeurDefilement(Barre::Verticale)),
        static_cast<double>(ctx.fenetre.MaximumDefilement(Barre::Verticale)),
        static_cast<double>(ctx.fenetre.ValeurDefilement(Barre::Horizontale)),
        static_cast<double>(ctx.fenetre.MaximumDefilement(Barre::Horizontale)),
        static_cast<double>(ctx.surface.Largeur())};
}

// Text drawn on the line whose base is PosY reaches below it by a word space.
bool LigneSurImage(const Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    return e.PosY + e.LargeurBlanc < ctx.surface.Hauteur();
}

// The cursor below the picture goes up to the last line the picture holds, after its text.
void RamenerSurImage(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (LigneSurImage(ctx) || e.PasLigne <= 0) return;
    while (!LigneSurImage(ctx) && e.PosY - e.PasLigne >= e.PasLigne) e.PosY -= e.PasLigne;
    e.YLigne = e.PosY;
    e.PositionImposee = false;
    e.PosX = ctx.surface.Largeur();
    ScanFinTexte(ctx, Bande::Pleine);
    e.PosX = e.XFinGlyphe <= e.MargeGauche ? e.MargeGauche : e.XFinGlyphe + 2 * e.LargeurBlanc;
    e.XDebutMot = e.PosX;
}

}  // namespace

void MemoriseEcran(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (e.PosX == e.MargeGauche && e.PosY == e.PasLigne) return;  // nothing on this screen yet
    if (ctx.recepteurEcrans) return RemettreEcran(ctx);

    // Screens are numbered from 1, as the page buttons count them.
    const double lu = Val(ctx.fenetre.Texte(QStringLiteral("TxtPaq")));
    e.NumeroEcran = lu < 1 ? 1 : lu > kDernierEcranPossible ? kDernierEcranPossible : static_cast<int>(lu);
    // A screen that gives way to a new one leaves the surface cleared: the store takes the picture
    // away whole and hands back a clean sheet, instead of copying it and clearing it.
    const bool ecranDu = e.ChangementEcran || e.FinRetranscription || (e.YMaxiA4 > 0 && e.PosY > e.YMaxiA4);
    const int suivant = e.NumeroEcran + (e.YDernierEcran != e.PosY ? 1 : 0);
    const bool effacer = !e.EntreeVidee && ecranDu && suivant <= kDernierEcranPossible && !e.FinRetranscription;
    if (effacer)
        ctx.ecrans.RangerEtEffacer(e.NumeroEcran, ctx.surface, QPointF(e.PosX, e.PosY));
    else
        ctx.ecrans.Ranger(e.NumeroEcran, ctx.surface, QPointF(e.PosX, e.PosY));
    e.DernierEcran = e.NumeroEcran;
    NoterEtatEcran(ctx, e.NumeroEcran);
    MontrerBoutonsEcrans(ctx);

    if (!e.EntreeVidee && ecranDu) {
        if (e.YDernierEcran != e.PosY) ++e.NumeroEcran;
        if (e.NumeroEcran > kDernierEcranPossible) TropDEcrans(ctx, kDernierEcranPossible);
        ctx.fenetre.FixerTexte(QStringLiteral("TxtPaq"), QString::number(e.NumeroEcran));
        ctx.fenetre.MontrerControle(QStringLiteral("TxtPaq"));
    }
    ctx.fenetre.ColorerControle(QStringLiteral("TxtPaq"),
                                e.NumeroEcran == e.DernierEcran ? kFondEcranCourant : kFondAutreEcran);
}

bool AfficherEcran(Contexte& ctx, int numero) {
    const QImage image = ctx.ecrans.Image(numero);
    if (image.isNull()) return false;
    EtatProgramme& e = ctx.etat;
    ctx.surface.RemplacerImage(image);
    if (const auto traces = ctx.ecrans.Traces(numero)) ctx.surface.Traces() = *traces;
    ctx.fenetre.Rafraichir();
    const auto& etat = e.EtatEcrans[static_cast<size_t>(numero)];
    e.PosX = e.XDebutMot = etat[0];
    e.PosY = e.YLigne = etat[1];
    RamenerSurImage(ctx);
    ctx.fenetre.FixerDefilement(Barre::Verticale, 0, ctx.fenetre.MaximumDefilement(Barre::Verticale));
    return true;
}

void GarderEcranAffiche(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int numero = static_cast<int>(Val(ctx.fenetre.Texte(QStringLiteral("TxtPaq"))));
    if (numero < 1 || numero > kDernierEcranPossible) return;
    ctx.ecrans.Ranger(numero, ctx.surface, QPointF(e.PosX, e.PosY));
    NoterEtatEcran(ctx, numero);
    e.DernierEcran = qMax(e.DernierEcran, numero);
}
