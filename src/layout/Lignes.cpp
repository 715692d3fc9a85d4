#include "layout/Lignes.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "drawing/Dessin.h"
#include "drawing/Scanners.h"
#include "layout/AffichageEtat.h"
#include "layout/Ecrans.h"
#include "layout/Page.h"
#include "layout/PagesRappel.h"

namespace {

bool Tient16(qint64 v) { return v >= -32768 && v <= 32767; }

void RafraichirTwips(Contexte& ctx) {
    ctx.etat.TwipsParPixelX = static_cast<int16_t>(qBound(1, ctx.fenetre.TwipsParPixelX(), 32767));
    ctx.etat.TwipsParPixelY = static_cast<int16_t>(qBound(1, ctx.fenetre.TwipsParPixelY(), 32767));
}

void DefilerVerticalement(Contexte& ctx, int valeur) {
    ctx.fenetre.FixerDefilement(Barre::Verticale, valeur, ctx.fenetre.MaximumDefilement(Barre::Verticale));
}

void DefilerEnBas(Contexte& ctx) { DefilerVerticalement(ctx, ctx.fenetre.MaximumDefilement(Barre::Verticale)); }

// One scroll bar's range: the part of the surface that the work area cannot show, in pixels.
// The difference is taken in twips and must fit in 16 bits, or the bar keeps its range.
void AjusterBarre(Contexte& ctx, Barre barre, qint64 travailTwips, int surfacePixels, int twips) {
    const qint64 surfaceTwips = static_cast<qint64>(surfacePixels) * twips;
    const qint64 d = travailTwips - surfaceTwips;
    if (!Tient16(travailTwips) || !Tient16(surfaceTwips) || !Tient16(d)) return;
    const int maximum = d >= 0 ? 0 : static_cast<int>((-d + twips / 2) / twips);
    ctx.fenetre.FixerDefilement(barre, qMin(ctx.fenetre.ValeurDefilement(barre), maximum), maximum);
}

}  // namespace

void RendreVisible(Contexte& ctx) {
    ctx.surface.FixerPersistant(false);
    ctx.fenetre.Rafraichir();
    ctx.surface.FixerPersistant(true);
}

void VerifieLigneVisible(Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    ctx.etat.LigneVisible = e.PosY + e.PasLigne < ctx.fenetre.ZoneVisible().height();
}

void AjusteDefilement(Contexte& ctx) {
    RafraichirTwips(ctx);
    const QRect zone = ctx.fenetre.ZoneTravail();
    AjusterBarre(ctx, Barre::Verticale, zone.height(), ctx.surface.Hauteur(), ctx.etat.TwipsParPixelY);
    AjusterBarre(ctx, Barre::Horizontale, zone.width(), ctx.surface.Largeur(), ctx.etat.TwipsParPixelX);
}

void AlerteHauteur(Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    if (e.FinProche) return;
    const QString entre(2, QChar(13));
    ctx.fenetre.Information((e.FormatA4 ? QStringLiteral("Hauteur maximum de l'image A4 atteinte.")
                                        : QStringLiteral("Hauteur maximum de l'image atteinte.")) +
                            entre + QStringLiteral("Elle est ici de ") + NombreAvecSigne(e.PosY + 1) +
                            QStringLiteral(" pixels de hauteur.") + entre +
                            QStringLiteral("Nombre de Lignes Velmor atteint : ") + NombreAvecSigne(e.NombreLignes) +
                            QStringLiteral("."));
}

void FinDeLigne(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (e.PosX < e.MargeGauche) {
        e.XFinGlyphe = e.MargeGauche;
        return;
    }
    if (e.PositionImposee) return;
    const double y1 = e.YLigne - e.HauteurCaractere + e.MargeSonde;
    const double y2 = e.YLigne - e.HauteurCaractere / 2;
    const double y3 = y2 + 3.0 * e.Taille;
    const double y4 = e.YLigne - e.MargeSonde;
    const unsigned fond = EchantillonneFond(ctx);
    const int x0 = qMin(PixelProche(e.PosX + 30.0 * e.Taille), ctx.surface.Largeur() - 1);
    const int x = ColonneEncreeConnue(ctx.surface, x0,
                                      {PixelProche(y1), PixelProche(y2), PixelProche(y3), PixelProche(y4)}, fond);
    e.XFinGlyphe = x < 1 ? e.MargeGauche : x;
}

void NouvelleLigne(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    if (!e.RetourForce && e.RythmeColler == 4) RendreVisible(ctx);
    if (e.YLigne == 0) {
        e.YLigne = e.PasLigne;
        e.PosY = e.YLigne;
        return;
    }
    if (!e.SautPermis) {
        e.SautPermis = true;
        return;
    }
    e.CompteurLigne = 0;
    if (e.PositionImposee) return;
    if (e.ModeSon == 2) e.PasLigne = 15;
    if (e.XMaxAtteint < e.PosX) e.XMaxAtteint = e.PosX;
    VerifieLigneVisible(ctx);
    if (!e.LigneVisible) DefilerEnBas(ctx);

    e.RetourForce = true;
    e.Tampon.clear();
    ++e.NombreLignes;
    e.AvanceGlyphe = 0;
    e.YLigne += e.PasLigne;
    e.PosY = e.YLigne;
    FinDeLigne(ctx);
    e.PosX = e.XFinGlyphe;

    RafraichirTwips(ctx);
    const int hauteurTravail = ctx.fenetre.ZoneTravail().height() / e.TwipsParPixelY;
    e.MargeGauche = 15;

    bool nouvelEcran = false;
    if (!e.EcransPleins && !e.PlusieursPages && e.CollageEnCours) {
        e.ChangementEcran = false;
        if (e.YMaxiA4 > 0 && e.PosY > e.YMaxiA4) {
            for (const char* c : {"CmdPaqPos", "CmdPaqAht", "TxtPaq"}) ctx.fenetre.MontrerControle(QLatin1String(c));
            e.ChangementEcran = true;
            MemoriseEcran(ctx);
            ReinitialiserPage(ctx);
            e.ChangementEcran = true;  // the page reset empties it; the re-transcription stops on it
            e.XComposition = e.YComposition = -1;  // a new page: nothing composed on it yet
            nouvelEcran = true;
        } else {
            e.YDernierEcran = e.PosY;
        }
    }

    if (!nouvelEcran && (e.PosY > hauteurTravail || (e.HauteurPageA4 != 0 && e.PosY > e.HauteurPageA4))) {
        RafraichirTwips(ctx);
        const int largeur = s.Largeur();
        const qint64 n = qRound64(e.YLigne + e.PasLigne);
        if (!Tient16(n) || !Tient16(static_cast<qint64>(largeur) * e.TwipsParPixelX) ||
            !Tient16(n * e.TwipsParPixelY)) {
            AlerteHauteur(ctx);
            e.LimiteAtteinte = true;
            return;
        }
        // The surface grows to the new line; a taller picture keeps its lower part.
        s.Redimensionner(largeur, qMax(static_cast<int>(n), s.Hauteur()));
        AjusteDefilement(ctx);
        ctx.fenetre.FixerTexte(QStringLiteral("TxtDimPic"), QStringLiteral(" Largeur :") + NombreAvecSigne(s.Largeur()) +
                                                                QStringLiteral("  Hauteur :") +
                                                                NombreAvecSigne(s.Hauteur()));
        if (s.Hauteur() > e.HauteurMaxImage || (e.HauteurPageA4 != 0 && s.Hauteur() > e.HauteurPageA4)) {
            AlerteHauteur(ctx);
            e.LimiteAtteinte = true;
        }
    }

    e.PosX = e.MargeGauche;
    e.XDebutMot = e.PosX;
    e.XTrace = e.PosX;
    ++e.IndiceTexte;
    EffacePoints(ctx);
    if (!e.CollageEnCours) {
        MemorisePage(ctx);
        if (e.PosY < ctx.fenetre.ZoneVisible().height()) {
            DefilerVerticalement(ctx, 0);
            return;
        }
        VerifieLigneVisible(ctx);
        if (!e.LigneVisible) DefilerEnBas(ctx);
    }
}
