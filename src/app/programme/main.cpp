// velmor: the editor, or a headless subcommand ("velmor chemin ...").

#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/LecteurInconnus.h"
#include "app/cli/Commandes.h"
#include "app/cli/ContexteConsole.h"
#include "app/windows/DocumentTexte.h"
#include "app/windows/FenetreEntree.h"
#include "app/windows/FenetrePrincipale.h"
#include "app/windows/Traductions.h"
#include "app/windows/GardeCollage.h"
#include "app/windows/LiaisonFenetres.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

#ifndef VELMOR_DONNEES_INSTALLEES
#define VELMOR_DONNEES_INSTALLEES "../share/velmor"
#endif

// The program folder, where the data files are read: "--dossier DIR", else VELMOR_DOSSIER, else the
// executable's folder (or the data folder of an installed copy). What the program writes goes to
// the folder config/Dossiers.h chooses; nothing is copied or linked.
QString DossierProgramme(QStringList& args) {
    const qsizetype i = args.indexOf(QStringLiteral("--dossier"));
    if (i >= 0 && i + 1 < args.size()) {
        const QString d = args[i + 1];
        args.remove(i, 2);
        return QDir(d).absolutePath();
    }
    const QString env = qEnvironmentVariable("VELMOR_DOSSIER");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    QString dossier = QCoreApplication::applicationDirPath();
    const QString installe = QDir::cleanPath(dossier + QStringLiteral("/" VELMOR_DONNEES_INSTALLEES));
    if (!QFileInfo::exists(dossier + QStringLiteral("/APABDIDS.TXT")) &&
        QFileInfo::exists(installe + QStringLiteral("/APABDIDS.TXT")))
        dossier = installe;
    return dossier;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("velmor"));
    const bool sousCommande = argc > 1 && EstSousCommande({QString::fromLocal8Bit(argv[1])});
    if (!sousCommande) {
        // --help, --version and a mistyped command or option are answered without a window.
        QStringList ligne;
        for (int i = 1; i < argc; ++i) ligne << QString::fromLocal8Bit(argv[i]);
        QTextStream sortie(stdout), erreurs(stderr);
        if (const auto statut = LigneSansCommande(ligne, sortie, erreurs)) return *statut;
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Only the program's own messages go to stderr.
        if (qEnvironmentVariableIsEmpty("VELMOR_DEBUG"))
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
                if (type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(m));
            });
        QGuiApplication app(argc, argv);
        QStringList args = app.arguments().mid(1);
        const QString dossier = DossierProgramme(args);
        QTextStream sortie(stdout), erreurs(stderr);
        FixerBranchementConsoles(&BrancherLecteurInconnus);
        return ExecuterSousCommande(args, dossier, sortie, erreurs);
    }

    QApplication app(argc, argv);
    TraduireBoitesStandard();
    // The headless editor of "Exporter tout le texte…" reads unknown words as the editor does.
    FixerBranchementConsoles(&BrancherLecteurInconnus);
    QStringList args = app.arguments().mid(1);
    const QString dossier = DossierProgramme(args);
    Surface surface(640, 400);  // grows to the window once it is shown
    HorlogeFenetre horloge;
    // Made after the window it names but taken apart after it: the windows point at it until
    // their last slot has run.
    std::unique_ptr<ContexteProgramme> ctx;
    FenetrePrincipale fenetre(surface);
    ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, dossier);
    BrancherLecteurInconnus(*ctx);
    Main(*ctx);
    fenetre.Relier(*ctx);
    fenetre.Montrer();
    FrmEntree entree(*ctx, &fenetre);
    RelierFenetres(fenetre, entree);
    fenetre.FixerSaisieOuverte(true);
    entree.Afficher();
    // "velmor FILE.bmp" (or .png): that picture, opened on the surface.
    for (const QString& arg : std::as_const(args)) {
        const QString genre = QFileInfo(arg).suffix().toLower();
        if (genre == u"bmp" || genre == u"png") {
            fenetre.Ouvrir(QFileInfo(arg).absoluteFilePath());
            break;
        }
    }
    // "velmor FICHIER.txt": the text opened and drawn.
    DocumentTexte document(*ctx, fenetre, entree);
    for (const QString& a : std::as_const(args))
        if (DocumentTexte::EstFichierTexte(a)) document.Ouvrir(a);
    return app.exec();
}
