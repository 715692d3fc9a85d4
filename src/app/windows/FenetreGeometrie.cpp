// The main window's load, resize and zoom: the surface follows the room the window leaves for it.
#include "app/windows/FenetrePrincipale.h"

#include "app/windows/PlacementEcran.h"
#include "app/windows/VueSurface.h"
#include "base/Contexte.h"
#include "base/Surface.h"
#include "base/Texte8Bits.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "layout/Outils.h"
#include "layout/PagesRappel.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <cmath>

void FenetrePrincipale::Relier(Contexte& ctx) {
    ctx_ = &ctx;
    EtatProgramme& e = ctx.etat;
    e.TitreFenetre = textes_.value(QStringLiteral("frmEdit")) + QStringLiteral("   ");
    e.CouleurFond = static_cast<Couleur>(qMax<qint64>(0, surface_.LirePixel(0, 0)));
    surface_.FixerCouleurTrait(e.CouleurTexte);
    peinture_ = std::make_unique<OutilsDessin>(ctx);
    peinture_->etat.CouleurFondChoisie = surface_.CouleurFond();
    MontrerCouleurs();
    // The stored geometry (twips) in the normal state, kept within the room the screen leaves.
    if (e.EtatFenetre == 0) {
        const QRect dispo = PlaceEcran(*this);
        const auto borne = [](double twips, int tpp, int mini, int maxi) {
            const double v = std::isfinite(twips) ? twips / tpp : mini;
            return static_cast<int>(qBound<double>(mini, v, qMax(mini, maxi)));
        };
        const int tx = TwipsParPixelX(), ty = TwipsParPixelY();
        if (e.HauteurFenetre > 0 && e.LargeurFenetre > 0)
            resize(borne(e.LargeurFenetre, tx, minimumWidth(), dispo.width()),
                   borne(e.HauteurFenetre, ty, minimumHeight(), dispo.height()));
        move(borne(e.GaucheFenetre, tx, dispo.left(), dispo.right() + 1 - width()),
             borne(e.SommetFenetre, ty, dispo.top(), dispo.bottom() + 1 - height()));
    }
    FixerImage(QStringLiteral("Toolbar2.17"), 27 + qBound(0, e.RythmeColler, 3));
    FixerImage(QStringLiteral("Toolbar2.20"), e.Relief ? 38 : 37);
    FixerImage(QStringLiteral("Toolbar2.19"), e.StyleRemplissage == 1 ? 7 : 11);
    FixerImage(QStringLiteral("Toolbar2.14"), e.FormatA4 ? 34 : 33);
    AfficherChemin();
    AppliquerLargeurFixee();
    MarquerEnregistree();
}

void FenetrePrincipale::Montrer() {
    if (ctx_ && ctx_->etat.EtatFenetre == 2) {
        showMaximized();
    } else if (ctx_ && ctx_->etat.EtatFenetre == 1) {
        showMinimized();
    } else {
        show();
        RamenerDansEcran(*this);  // the frame within the screen's room, once known
        RamenerAuCadrage(*this);
    }
}

// Room kept on the surface right of the work area: a word begun at the limit runs into it.
int FenetrePrincipale::MargeSurface() const {
    const double h = ctx_ ? ctx_->etat.HauteurCaractere : 12;
    return qMax(96, static_cast<int>(8 * h));
}

// Grows the surface to the work area and its allowance; the drawing is kept, nothing shrinks.
void FenetrePrincipale::AjusterSurface() {
    if ((ctx_ && ctx_->etat.FormatA4) || !page_.isEmpty()) return;  // A4 screens and imposed pages keep their size
    // A picture "Réduire l'image" shrank keeps its size until a drawing made it larger.
    if (tailleReduite_ == QSize(surface_.Largeur(), surface_.Hauteur())) return;
    tailleReduite_ = QSize();
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, defilement_);
    const QSize place = (defilement_->maximumViewportSize() - QSize(barre, barre)) / zoom_;
    const int largeur = qMax(surface_.Largeur(), place.width() + MargeSurface());
    const int hauteur = qMax(surface_.Hauteur(), place.height());
    if (largeur != surface_.Largeur() || hauteur != surface_.Hauteur()) surface_.Redimensionner(largeur, hauteur);
}

void FenetrePrincipale::MettreAJourDimensions() {
    tailleSurfaceVue_ = QSize(surface_.Largeur(), surface_.Hauteur());
    FixerTexte(QStringLiteral("TxtDimPic"), QStringLiteral(" Largeur :") + NombreAvecSigne(surface_.Largeur()) +
                                                QStringLiteral("  Hauteur :") + NombreAvecSigne(surface_.Hauteur()));
}

// The surface-size refresh: size read-out, work area, right limit.
void FenetrePrincipale::RafraichirTailleSurface() {
    MettreAJourDimensions();
    if (!ctx_) return;
    if (ctx_->etat.LargeurImage > 0)
        ctx_->etat.LimiteDroite = ctx_->etat.LargeurImage;
    else
        ctx_->etat.LimiteDroite = LimiteDroiteVisible(*ctx_);
}

void FenetrePrincipale::Redimensionner() {
    if (!ctx_) return;
    redimensionnement_ = true;
    EtatProgramme& e = ctx_->etat;
    const QSize avant(surface_.Largeur(), surface_.Hauteur());
    if (e.LargeurImageFixee) AjusterSurface();
    vue_->Ajuster();
    AjusteDefilement(*ctx_);
    FixerTexte(QStringLiteral("TxtHauteurLigne"), QString::number(e.HauteurLigne));
    e.CouleurFond = static_cast<Couleur>(qMax<qint64>(0, surface_.LirePixel(0, 0)));
    if (!actionsControles_.value(QStringLiteral("CmdZSaisie"))->isVisible()) emit SaisieAuPremierPlan();
    // A snapshot for the ring when the surface itself changed (a drag of the frame would fill it).
    if (!e.CollageEnCours && avant != QSize(surface_.Largeur(), surface_.Hauteur())) MemorisePage(*ctx_);
    RafraichirTailleSurface();
    Rafraichir();
    redimensionnement_ = false;
}

void FenetrePrincipale::StockerGeometrie() {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    e.EtatFenetre = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    // The edges of the frame, as a move places them; the size of the window within it.
    const QMargins cadre = CadreFenetre(*this);
    const QRect n = normalGeometry().isValid() ? normalGeometry() : geometry();
    const QRect dispo = PlaceEcran(*this);
    const QRect g(qMax(dispo.left(), n.left() - cadre.left()), qMax(dispo.top(), n.top() - cadre.top()),
                  qMin(n.width(), dispo.width()), qMin(n.height(), dispo.height()));
    const int tx = TwipsParPixelX(), ty = TwipsParPixelY();
    e.SommetFenetre = g.y() * ty;
    e.GaucheFenetre = g.x() * tx;
    e.HauteurFenetre = g.height() * ty;
    e.LargeurFenetre = g.width() * tx;
}

void FenetrePrincipale::FixerZoom(int zoom) {
    zoom_ = qBound(1, zoom, 8);
    vue_->FixerZoom(zoom_);
    zoomLu_->setText(QString::number(zoom_ * 100) + QStringLiteral(" %"));
    Redimensionner();
}

void FenetrePrincipale::ChangerZoom(int pas) { FixerZoom(zoom_ + pas); }
