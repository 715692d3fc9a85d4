// The main window's file commands: new, open, save, print, full screen, quit and unload.
#include "app/windows/FenetrePrincipale.h"

#include "app/windows/FenetreBild.h"
#include "layout/Outils.h"

#include "config/Dossiers.h"
#include "config/Parametres.h"
#include "app/windows/Version.h"
#include "app/windows/VueSurface.h"
#include "base/FichiersImages.h"
#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "base/Surface.h"
#include "layout/Lignes.h"
#include "outputs/ExportVectoriel.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const QString kFiltreImages = QStringLiteral("Bitmap (*.BMP *.bmp);;PNG (*.png *.PNG);;Tous les fichiers (*)");

// The same pixels, a part one picture lacks counting as background.
bool MemeDessin(const QImage& a, const QImage& b, QRgb fond) {
    if (a.size() == b.size()) return a == b;
    const int l = qMax(a.width(), b.width()), h = qMax(a.height(), b.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const QRgb pa = a.valid(x, y) ? a.pixel(x, y) : fond;
            const QRgb pb = b.valid(x, y) ? b.pixel(x, y) : fond;
            if ((pa & 0xFFFFFF) != (pb & 0xFFFFFF)) return false;
        }
    return true;
}

}  // namespace

QString FenetrePrincipale::ChoisirFichier(bool enregistrer, const QString& titre, const QString& depart) {
    if (choixFichier_) return choixFichier_(enregistrer, titre, depart);
    QString dossier = depart;
    if (dossier.contains(u'*')) dossier = QFileInfo(dossier).path();
    return enregistrer ? QFileDialog::getSaveFileName(this, titre, dossier, kFiltreImages)
                       : QFileDialog::getOpenFileName(this, titre, dossier, kFiltreImages);
}

void FenetrePrincipale::AfficherChemin() {
    const QString cinq(5, u' ');
    const QString chemin = ctx_ ? ctx_->etat.Chemin : QString();
    FixerTexte(QStringLiteral("AFFICHE"), cinq + QStringLiteral("Dernier : ''") + chemin + QStringLiteral("''") + cinq);
}

void FenetrePrincipale::MarquerEnregistree() { reference_ = surface_.Image(); }

bool FenetrePrincipale::ImageModifiee() const {
    return !MemeDessin(reference_, surface_.Vue(), surface_.FondRgb());
}

bool FenetrePrincipale::Ouvrir(const QString& fichier) {
    const QImage image = LireImage(fichier);
    if (image.isNull()) {
        Information(QStringLiteral("Impossible d'ouvrir l'image :") + QChar(13) + fichier);
        return false;
    }
    if (ctx_) ctx_->etat.Chemin = QDir::toNativeSeparators(fichier);
    nomDialogue_ = fichier;  // "Enregistrer" writes to it
    const QRgb coin = image.pixel(0, 0);
    surface_.FixerCouleurFond(Surface::DepuisRgb(coin));  // the background is the top-left pixel
    surface_.RemplacerImage(image);
    tailleReduite_ = QSize();
    if (peinture_) peinture_->Oublier();
    if (ctx_) ctx_->etat.CouleurFond = Surface::DepuisRgb(coin);
    FixerTexte(QStringLiteral("frmEdit"), QStringLiteral("Bitmap Paint [") + QDir::toNativeSeparators(fichier) +
                                              QStringLiteral("]"));
    Rafraichir();
    if (ctx_) AjusteDefilement(*ctx_);
    AfficherChemin();
    MarquerEnregistree();
    return true;
}

// The surface writes to a temporary file beside the target and replaces it only when all went well.
bool FenetrePrincipale::Enregistrer(const QString& fichier) {
    QString raison;
    if (!surface_.Enregistrer(fichier, &raison)) {
        Information(QStringLiteral("Impossible d'enregistrer l'image :") + QChar(13) + (raison.isEmpty() ? fichier : raison));
        return false;
    }
    MarquerEnregistree();
    return true;
}

void FenetrePrincipale::MNU_FileNew_Click() {
    if (Question(QStringLiteral("Voulez-vous véritablement commencer un nouveau dessin et perdre le dessin actuel ?"),
                 Boutons::OuiNon, QStringLiteral("Nouveau dessin")) != Reponse::Oui)
        return;
    Sortir();
    if (!close()) {  // kept open (a changed text the user did not let go)
        sortieConfirmee_ = false;
        return;
    }
    if (lanceur_)
        lanceur_();
    else
        QProcess::startDetached(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    QCoreApplication::quit();
}

void FenetrePrincipale::MNU_FileOpen_Click() {
    if (!ctx_) return;
    if (ImageModifiee() &&
        Question(QStringLiteral("Voulez-vous réellement ouvrir une autre image sans enregistrer les modifications ?"),
                 Boutons::OuiNon, QStringLiteral("Ouvrir")) != Reponse::Oui)
        return;
    EtatProgramme& e = ctx_->etat;
    if (e.Chemin.trimmed().isEmpty()) e.Chemin = QDir::toNativeSeparators(DossierImages() + QStringLiteral("/*.BMP"));
    const QString choisi = ChoisirFichier(false, QStringLiteral("Ouvrir"), e.Chemin);
    if (!choisi.isEmpty()) Ouvrir(choisi);
    AfficherChemin();
}

// A picture that has no name yet asks for one first, "DERNIERE.BMP" in the user's pictures folder
// proposed; then it is saved under the name it has.
void FenetrePrincipale::MNU_FileSave_Click() {
    if (!ctx_) return;
    if (nomDialogue_.isEmpty()) {
        MNU_FileSaveAs_Click();
        return;
    }
    ctx_->etat.Chemin = QDir::toNativeSeparators(nomDialogue_);
    AfficherChemin();
    Enregistrer(nomDialogue_);
}

void FenetrePrincipale::MNU_FileSaveAs_Click() {
    if (!ctx_) return;
    const QString depart = nomDialogue_.isEmpty() ? DossierImages() + QStringLiteral("/DERNIERE.BMP") : nomDialogue_;
    ctx_->etat.Chemin.clear();
    QString choisi = ChoisirFichier(true, QStringLiteral("Enregistrer le fichier"), depart);
    if (!choisi.isEmpty()) {
        if (QFileInfo(choisi).suffix().isEmpty()) choisi += QStringLiteral(".BMP");
        nomDialogue_ = choisi;
        ctx_->etat.Chemin = QDir::toNativeSeparators(choisi);
        Enregistrer(choisi);
    }
    AfficherChemin();
}

// The picture stretched to the printable page, its proportions kept.
void FenetrePrincipale::ImprimerSur(QPrinter& imprimante) {
    const QImage image = surface_.Image();
    QPainter p;
    if (!p.begin(&imprimante)) {
        Information(QStringLiteral("Impression impossible."));
        return;
    }
    const QRect page = p.viewport();
    const QSize taille = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    p.setViewport(page.x(), page.y(), taille.width(), taille.height());
    p.setWindow(image.rect());
    p.setRenderHint(QPainter::LosslessImageRendering);  // a PDF printer keeps every pixel
    p.drawImage(0, 0, image);
    p.end();
}

void FenetrePrincipale::MNU_Print_Click() {
    QPrintPreviewDialog apercu(&imprimante_, this);
    apercu.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    connect(&apercu, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { ImprimerSur(*p); });
    apercu.exec();
}

void FenetrePrincipale::ExporterVecteurs(bool pdf) {
    const QString genre = pdf ? QStringLiteral("pdf") : QStringLiteral("svg");
    const QString titre = pdf ? QStringLiteral("Exporter en PDF") : QStringLiteral("Exporter en SVG");
    const QString depart = nomDialogue_.isEmpty() ? DossierImages() : QFileInfo(nomDialogue_).path();
    QString nom = choixFichier_ ? choixFichier_(true, titre, depart)
                                : QFileDialog::getSaveFileName(this, titre, depart,
                                                               genre.toUpper() + QStringLiteral(" (*.") + genre + u')');
    if (nom.isEmpty()) return;
    if (QFileInfo(nom).suffix().isEmpty()) nom += u'.' + genre;
    const FeuilleVectorielle feuille = FeuilleDe(surface_);
    QString raison;
    if (!(pdf ? EnregistrerPdf(nom, {feuille}, &raison) : EnregistrerSvg(nom, feuille, &raison)))
        Information(QStringLiteral("Impossible d'enregistrer :") + QChar(13) + (raison.isEmpty() ? nom : raison));
}

void FenetrePrincipale::MNU_PrinterConfig_Click() {
    QPageSetupDialog reglage(&imprimante_, this);
    reglage.exec();
}

void FenetrePrincipale::PleinEcran() {
    FenetreBild frmBild(surface_.Image(), this);
    frmBild.showFullScreen();
    frmBild.exec();
}

void FenetrePrincipale::MNU_About_Click() {
    QMessageBox::about(
        this, QStringLiteral("Velmor"),
        QStringLiteral(" Programme Velmor  V.") + QStringLiteral(VELMOR_VERSION) + QStringLiteral("\n\n") +
            QStringLiteral("Velmor est un logiciel libre : vous pouvez le redistribuer et le modifier selon les termes "
                           "de la Licence publique générale GNU (GPL), version 3 ou toute version ultérieure, "
                           "publiée par la Free Software Foundation.\n\n"
                           "Il est distribué SANS AUCUNE GARANTIE. Le texte de la licence est dans le fichier "
                           "COPYING livré avec le programme (https://www.gnu.org/licenses/gpl-3.0.html)."));
}

void FenetrePrincipale::MNU_End_Click() {
    if (Question(QStringLiteral("Voulez-vous réellement quitter le programme sans enregistrer les modifications ?"),
                 Boutons::OuiNon, QStringLiteral("Quitter le programme")) != Reponse::Oui)
        return;
    Sortir();
    if (!close()) {  // kept open (a changed text the user did not let go)
        sortieConfirmee_ = false;
        return;
    }
    QCoreApplication::quit();
}

// Every way out: the surface-size refresh, the geometry, the settings, the files closed.
void FenetrePrincipale::Sortir() {
    if (sortieConfirmee_ || !ctx_) return;
    sortieConfirmee_ = true;
    ctx_->FichierSon.clear();
    RafraichirTailleSurface();
    StockerGeometrie();
    emit AvantEcritureParametres();
    QString raison;
    if (!EcrireParametres(*ctx_, &raison))
        Information(QStringLiteral("Les paramètres n'ont pas pu être enregistrés :") + QChar(13) +
                    (raison.isEmpty() ? QDir::toNativeSeparators(FichierEcrit(*ctx_, QStringLiteral("Velmor.ini"))) : raison));
}

void FenetrePrincipale::closeEvent(QCloseEvent* ev) {
    if (!sortieConfirmee_ && ctx_ && ImageModifiee() &&
        Question(QStringLiteral("Voulez-vous réellement quitter le programme sans enregistrer les modifications ?"),
                 Boutons::OuiNon, QStringLiteral("Quitter le programme")) != Reponse::Oui) {
        ev->ignore();
        return;
    }
    Sortir();
    if (ctx_) SupprimerImagesTemporaires(*ctx_);
    ev->accept();
    QCoreApplication::quit();
}
