// "Exporter tout le texte…": every screen of the entry window's text written to a PDF or to
// numbered PNG files by a headless editor on a worker thread, with a progress dialog that can stop
// it; the picture being edited is not touched.
#include "app/windows/FenetrePrincipale.h"

#include "app/cli/Editeur.h"
#include "base/Contexte.h"
#include "base/Surface.h"
#include "outputs/EcritureEcrans.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

namespace {

struct Suivi {
    std::atomic<int> faits{0}, total{0};
    std::atomic<bool> arret{false};
    // Once the worker is done:
    bool ecrit = false, entier = false;
    QString echec, messages;
    int fichiers = 0;
};

// The whole text written by a headless editor with the editor's script, language, size, relief and
// width, its screens going to `nom` as they fill.
void Exporter(const ChoixEditeur& choix, const QString& dossier, const QString& texte, const QString& nom, Suivi& s) {
    QTextStream flux(&s.messages);
    Editeur editeur(choix, dossier, flux);
    EcritureEcrans ecriture(nom, false);
    editeur.Diriger(&ecriture, 0);
    editeur.SuivreProgression([&](int faits, int total) {
        s.faits = faits, s.total = total;
        if (s.arret) editeur.ctx().etat.LimiteAtteinte = true;  // stops the writing at the next word
    });
    s.entier = editeur.Coller(texte);
    if (s.arret) {
        ecriture.Abandonner();
        return;
    }
    s.ecrit = ecriture.Finir(editeur.ResteSurSurface(ecriture.Ecrans()) ? &editeur.surface() : nullptr);
    s.echec = ecriture.Echec();
    s.fichiers = static_cast<int>(ecriture.Noms().size());
}

}  // namespace

void FenetrePrincipale::ExporterToutLeTexte() {
    if (!ctx_) return;
    const QString texte = sourceTexte_ ? sourceTexte_() : QString();
    if (texte.trimmed().isEmpty()) {
        Information(QStringLiteral("La fenêtre de saisie ne contient aucun texte à exporter."));
        return;
    }
    const QString titre = QStringLiteral("Exporter tout le texte");
    QString nom = choixFichier_ ? choixFichier_(true, titre, QString())
                                : QFileDialog::getSaveFileName(this, titre, ctx_->dossier,
                                                               QStringLiteral("PDF (*.pdf);;PNG (*.png)"));
    if (nom.isEmpty()) return;
    const QString genre = QFileInfo(nom).suffix().toLower();
    if (genre != u"pdf" && genre != u"png") nom += QStringLiteral(".pdf");

    const EtatProgramme& e = ctx_->etat;
    ChoixEditeur choix;
    choix.ecriture = e.Ecriture, choix.langue = e.Langue, choix.taille = e.Taille, choix.relief = e.Relief;
    choix.largeur = qBound(100, ctx_->surface.Largeur(), 32767);
    auto suivi = std::make_shared<Suivi>();
    QThread* ouvrier = QThread::create([suivi, choix, dossier = ctx_->dossier, texte, nom] {
        Exporter(choix, dossier, texte, nom, *suivi);
    });

    QProgressDialog progres(QStringLiteral("Écriture des écrans du texte…"), QStringLiteral("Annuler"), 0, 0, this);
    progres.setWindowTitle(titre);
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(0);
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, &progres, [&] {
        progres.setMaximum(qMax(1, suivi->total.load()));
        progres.setValue(qMin(suivi->faits.load(), progres.maximum()));
    });
    QObject::connect(&progres, &QProgressDialog::canceled, &progres, [&] { suivi->arret = true; });
    QEventLoop boucle;
    QObject::connect(ouvrier, &QThread::finished, &boucle, &QEventLoop::quit);
    ouvrier->start();
    minuterie.start(100);
    boucle.exec();
    ouvrier->wait();
    delete ouvrier;
    minuterie.stop();
    progres.reset();

    if (suivi->arret) {
        Information(QStringLiteral("Exportation annulée."));
        return;
    }
    if (!suivi->ecrit) {
        Information(QStringLiteral("Impossible d'enregistrer :") + QChar(13) + suivi->echec);
        return;
    }
    QString bilan = QStringLiteral("%1 écrans exportés dans %2").arg(suivi->fichiers).arg(nom);
    if (genre == u"pdf") bilan = QStringLiteral("Texte exporté dans %1").arg(nom);
    if (!suivi->entier) bilan += QChar(13) + QStringLiteral("Une partie du texte n'a pas pu être écrite.");
    Information(bilan);
}
