// The main window's tool bar commands, the option toggles, the size buttons and the screen memory.
#include "app/windows/FenetrePrincipale.h"

#include "config/Parametres.h"
#include "app/windows/VueSurface.h"
#include "base/Contexte.h"
#include "base/Surface.h"
#include "base/Texte8Bits.h"
#include "layout/AffichageEtat.h"
#include "layout/Ecrans.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "layout/Outils.h"
#include "layout/PagesRappel.h"
#include "layout/ReduireImage.h"
#include "layout/Repositionnement.h"
#include "app/windows/FenetreRepos.h"

#include <QAction>
#include <QActionGroup>
#include <QScrollArea>

namespace {
constexpr Couleur kFondEcranCourant = 0x80FFFF;  // the box shows the last stored screen
constexpr Couleur kFondAutreEcran = 0xFFFFFF;
}  // namespace

void FenetrePrincipale::CommandeBarre1(int index) {
    switch (index) {
        case 1: MNU_FileNew_Click(); break;
        case 2: MNU_FileOpen_Click(); break;
        case 3: MNU_FileSaveAs_Click(); break;
        case 4: PleinEcran(); break;
        case 5: MNU_Print_Click(); break;
        case 6:
            if (!ctx_) break;
            peinture_->Oublier();
            AnnulerPage(*ctx_);
            AfficheEtat(*ctx_);  // the caption shows the position given back
            break;
        case 7:
            if (!ctx_) break;
            peinture_->Oublier();
            ReafficherPage(*ctx_);
            AfficheEtat(*ctx_);
            break;
        default: break;
    }
    AfficherChemin();
    Rafraichir();
    if (!actionsControles_.value(QStringLiteral("CmdZSaisie"))->isVisible()) emit SaisieAuPremierPlan();
}

void FenetrePrincipale::CommandeBarre2(int index) {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    switch (index) {
        case 9: MNU_LineStyle_Click(); break;
        case 10: MNU_ColorPalette_Click(); break;
        case 11: MNU_LineWidth_Click(); break;
        case 12: MNU_FillStyle_Click(); break;
        case 14: BasculerA4(); break;
        case 15:
            e.Temporisation = true;
            Information(QStringLiteral("Temporisation maintenant syllabe par syllabe..."));
            break;
        case 16:
            e.PositionImposee = true;
            emit RepositionnementDemande();
            break;
        case 17: CyclerRythme(); break;
        case 18:
            MNU_Defaut_Click(*ctx_);
            Redimensionner();
            break;
        case 19: BasculerCarreEfface(); break;
        case 20: BasculerRelief(); break;
        case 21: BasculerLargeurFixee(); break;
        default: break;  // 1 to 7: the paint tools
    }
    outilCourant_ = index;
    peinture_->Choisir(index);
    if (index >= 9 && index <= 19)
        boutons2_[1]->setChecked(true);
    else if (index > 19 && outils_->checkedAction())
        outils_->checkedAction()->setChecked(false);
    else if (index <= 7)
        boutons2_[static_cast<size_t>(index)]->setChecked(true);
    defilement_->widget()->setCursor(outilCourant_ == 1 ? Qt::ArrowCursor : Qt::CrossCursor);
    emit OutilChoisi(index);
    Rafraichir();
    if (!actionsControles_.value(QStringLiteral("CmdZSaisie"))->isVisible()) emit SaisieAuPremierPlan();
}

void FenetrePrincipale::BasculerA4() {
    ctx_->etat.FormatA4 = !ctx_->etat.FormatA4;
    AppliquerFormatA4(*ctx_);
    vue_->Ajuster();
    AjusteDefilement(*ctx_);
    MettreAJourDimensions();
}

void FenetrePrincipale::BasculerLargeurFixee() {
    EtatProgramme& e = ctx_->etat;
    if (e.LargeurImageFixee) {
        e.LargeurImageFixee = false;
        surface_.FixerLargeur(ZoneTravail().width() / TwipsParPixelX() + MargeSurface());
    } else {
        e.LargeurImageFixee = true;
    }
    AppliquerLargeurFixee();
}

void FenetrePrincipale::AppliquerLargeurFixee() {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    if (!e.LargeurImageFixee) e.MargeDroite = e.LimiteDroite;
    FixerImage(QStringLiteral("Toolbar2.21"), e.LargeurImageFixee ? 32 : 31);
    Redimensionner();
}

void FenetrePrincipale::CyclerRythme() {
    EtatProgramme& e = ctx_->etat;
    e.RythmeColler = e.RythmeColler + 1 > 3 ? 0 : e.RythmeColler + 1;
    FixerImage(QStringLiteral("Toolbar2.17"), 27 + e.RythmeColler);
}

void FenetrePrincipale::BasculerCarreEfface() {
    EtatProgramme& e = ctx_->etat;
    if (e.StyleRemplissage == 1) {
        e.StyleRemplissage = 0;
        FixerImage(QStringLiteral("Toolbar2.19"), 11);
    } else {
        e.StyleRemplissage = 1;
        FixerImage(QStringLiteral("Toolbar2.19"), 7);
    }
}

void FenetrePrincipale::BasculerRelief() {
    EtatProgramme& e = ctx_->etat;
    e.Relief = !e.Relief;
    e.ProfondeurRelief = e.Relief ? e.Taille : 0;
    FixerImage(QStringLiteral("Toolbar2.20"), e.Relief ? 38 : 37);
}

void FenetrePrincipale::Taille(int pas) {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    if (e.PosX == e.MargeGauche && compteTaille_ == 0 && !e.PageEntamee) {
        e.SautPermis = true;
        e.PositionImposee = false;
    }
    e.Taille = qMax(1, e.Taille + pas);
    FixerTexte(QStringLiteral("TxtTaille"), QString::number(e.Taille));
    e.HauteurCaractere = e.Taille * e.UniteHauteur;
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PasLigne = e.HauteurLigne * e.Taille;
    compteTaille_ += pas;
    CalculeMargeLimite(*ctx_);
    QFont police = surface_.Police();
    police.setPointSize(4 * e.Taille + 8);
    surface_.FixerPolice(police);
    e.ProfondeurRelief = e.Relief ? e.Taille : 0;
    if (e.YLigne == 0 || !e.PageEntamee) {
        e.YLigne = e.PasLigne;
        e.PosY = e.YLigne;
    }
    AfficheEtat(*ctx_);
}

// Screen memory: previous (-1) or next (+1) stored screen, wrapping round at both ends.
void FenetrePrincipale::EcranPrecedentSuivant(int pas) {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    if (e.DernierEcran < 1) return;
    GarderEcranAffiche(*ctx_);
    int n = static_cast<int>(Val(Texte(QStringLiteral("TxtPaq")))) + pas;
    if (n < 1) n = e.DernierEcran;
    if (n > e.DernierEcran) n = 1;
    e.NumeroEcran = n;
    ColorerControle(QStringLiteral("TxtPaq"), n == e.DernierEcran ? kFondEcranCourant : kFondAutreEcran);
    FixerTexte(QStringLiteral("TxtPaq"), QString::number(n));
    AfficherEcran(*ctx_, n);
    Rafraichir();
}

void FenetrePrincipale::CmdWajPaq_Click() {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    e.PlusieursPages = !e.PlusieursPages;
    FixerTexte(QStringLiteral("CmdWajPaq"), e.PlusieursPages ? QStringLiteral("1") : QStringLiteral(">"));
}

void FenetrePrincipale::ReduireImageCommande() {
    if (!ctx_) return;
    const QSize t = ReduireImage(*ctx_);
    tailleReduite_ = QSize(surface_.Largeur(), surface_.Hauteur()) == t ? t : QSize();
    vue_->Ajuster();
    AjusteDefilement(*ctx_);
    RafraichirTailleSurface();
    Rafraichir();
}
