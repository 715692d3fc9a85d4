// velmor: the editor, or a headless subcommand ("velmor chemin ...").

#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/LecteurInconnus.h"
#include "app/cli/Commandes.h"
#include "app/windows/FenetrePrincipale.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// The program folder: "--dossier DIR", else VELMOR_DOSSIER, else the executable's folder.
QString DossierProgramme(QStringList& args) {
    const qsizetype i = args.indexOf(QStringLiteral("--dossier"));
    if (i >= 0 && i + 1 < args.size()) {
        const QString d = args[i + 1];
        args.remove(i, 2);
        return QDir(d).absolutePath();
    }
    const QString env = qEnvironmentVariable("VELMOR_DOSSIER");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return QCoreApplication::applicationDirPath();
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool sousCommande = argc > 1 && EstSousCommande({QString::fromLocal8Bit(argv[1])});
    if (sousCommande) {
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
        return ExecuterSousCommande(args, dossier, sortie, erreurs);
    }

    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString dossier = DossierProgramme(args);
    Surface surface(1600, 1200);
    FenetrePrincipale fenetre(surface);
    HorlogeReelle horloge;
    auto ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, dossier);
    BrancherLecteurInconnus(*ctx);
    Main(*ctx);
    fenetre.Relier(*ctx);
    if (ctx->etat.EtatFenetre == 2)
        fenetre.showMaximized();
    else
        fenetre.show();
    return app.exec();
}
