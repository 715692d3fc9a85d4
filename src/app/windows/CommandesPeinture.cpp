// The main window's paint tools: mouse events on the surface, the pen dialogs, the fill menu pair
// and the picture clipboard commands.
#include "app/windows/FenetrePrincipale.h"

#include "app/windows/FenetreCouleurs.h"
#include "app/windows/FenetreRepos.h"
#include "app/windows/FenetresTrait.h"
#include "app/windows/VueSurface.h"
#include "base/Contexte.h"
#include "base/Surface.h"
#include "layout/Lignes.h"
#include "layout/Outils.h"
#include "layout/PagesRappel.h"
#include "layout/Repositionnement.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

void FenetrePrincipale::SourisEnfoncee(const Souris& m) {
    if (!ctx_) return;
    EtatProgramme& e = ctx_->etat;
    peinture_->Enfoncer(m);
    if (!e.PositionImposee) {
        vue_->update();
        return;
    }
    if (e.Repositionnement) return;
    CliqueRepositionnement(*ctx_, m.x, m.y);
    FenetreRepos dialogue(*ctx_, this);
    dialogue.exec();
    if (!actionsControles_.value(QStringLiteral("CmdZSaisie"))->isVisible()) emit SaisieAuPremierPlan();
    Rafraichir();
}

void FenetrePrincipale::SourisBougee(const Souris& m) {
    if (!ctx_) return;
    peinture_->Bouger(m);
    vue_->update();
}

void FenetrePrincipale::SourisRelachee(const Souris& m) {
    if (!ctx_) return;
    peinture_->Relacher(m);
    vue_->update();
}

void FenetrePrincipale::MNU_ColorPalette_Click() {
    FenetreCouleurs frmColours(*ctx_, peinture_->etat, this);
    frmColours.exec();
    MontrerCouleurs();
}

void FenetrePrincipale::MNU_LineStyle_Click() {
    FenetreStyleTrait frmLine(surface_, this);
    frmLine.exec();
}

void FenetrePrincipale::MNU_LineWidth_Click() {
    FenetreLargeurTrait frmWidth(surface_, this);
    frmWidth.exec();
}

// "Motif" (Toolbar2 12) and the options menu entry: the fill pattern dialog.
void FenetrePrincipale::MNU_FillStyle_Click() {
    if (!ctx_) return;
    FenetreMotif frmFill(peinture_->etat.MotifRemplissage, this);
    frmFill.exec();
}

void FenetrePrincipale::MNU_Fill_Click(bool remplir) {
    actions_.value(QStringLiteral("MNU_Fill"))->setChecked(remplir);
    actions_.value(QStringLiteral("MNU_NoFill"))->setChecked(!remplir);
    if (peinture_) peinture_->etat.Remplir = remplir;
}

// The read-outs under the surface: the text colour and the background colour of the tools.
void FenetrePrincipale::MontrerCouleurs() {
    if (!ctx_) return;
    MontrerCouleur(qobject_cast<QLabel*>(controles_.value(QStringLiteral("vCouleur"))), ctx_->etat.CouleurTexte);
    MontrerCouleur(qobject_cast<QLabel*>(controles_.value(QStringLiteral("hCouleur"))), peinture_->etat.CouleurFondChoisie);
}

void FenetrePrincipale::MNU_Copy_Click() {
    QClipboard* presse = QGuiApplication::clipboard();
    presse->clear();
    presse->setImage(surface_.Image());
}

void FenetrePrincipale::MNU_Insert_Click() {
    if (!ctx_) return;
    const QMimeData* donnees = QGuiApplication::clipboard()->mimeData();
    if (!donnees || !donnees->hasImage()) return;
    const QImage image = qvariant_cast<QImage>(donnees->imageData());
    if (image.isNull()) return;
    if (image.width() > 32767 || image.height() > 32767) {
        Information(QStringLiteral("L'image du presse-papiers est trop grande pour être insérée."));
        return;
    }
    MemorisePage(*ctx_);
    surface_.RemplacerImage(image);
    ImageRemplacee();
}

void FenetrePrincipale::MNU_Del_Click() {
    if (!ctx_) return;
    MemorisePage(*ctx_);
    surface_.Effacer();
    ImageRemplacee();
}

void FenetrePrincipale::MNU_DelClip_Click() { QGuiApplication::clipboard()->clear(); }

void FenetrePrincipale::ImageRemplacee() {
    peinture_->Oublier();
    vue_->Ajuster();
    AjusteDefilement(*ctx_);
    Rafraichir();
}
