#include "app/Demarrage.h"
#include "app/cli/ContexteConsole.h"
#include "app/cli/Commandes.h"
#include "app/cli/SousCommandes.h"
#include "base/FichiersImages.h"
#include "config/Dossiers.h"
#include "outputs/RapportMesures.h"

#include <QFileInfo>

// velmor rapport [--images PREFIX]: the glyph measurement report "Donnees.TXT" written into the
// program folder, as the currency key writes it; with --images, each sheet drawn is saved as
// PREFIX1.png, PREFIX2.png, ...
int CommandeRapport(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    if (!o->positions.isEmpty()) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("argument en trop « %1 »").arg(o->positions[0]));
        return kSortieUsage;
    }
    ContexteConsole c(1000, 200, dossier, erreurs);
    if (!TablesLisibles(MainParDefaut(*c.ctx), *c.ctx, erreurs)) return kSortieFichier;
    const QString prefixe = o->Valeur(QStringLiteral("--images"));
    int feuilles = 0;
    QString raisonImages;
    auto feuille = [&](const QImage& image) {
        QString raison;
        if (!prefixe.isEmpty() && !EnregistrerImage(image, prefixe + QString::number(++feuilles) + QStringLiteral(".png"), &raison) &&
            raisonImages.isEmpty())
            raisonImages = raison;
    };
    const QString fichier = FichierEcrit(*c.ctx, QStringLiteral("Donnees.TXT"));
    QString raison;
    if (!RapportMesuresFeuilles(*c.ctx, feuille, &raison)) {
        Erreur(erreurs, QStringLiteral("impossible d'écrire %1").arg(raison.isEmpty() ? fichier : raison));
        return kSortieFichier;
    }
    if (!raisonImages.isEmpty()) {
        Erreur(erreurs, QStringLiteral("impossible d'écrire %1").arg(raisonImages));
        return kSortieFichier;
    }
    sortie << QFileInfo(fichier).absoluteFilePath() << " : " << SyllabesRapport().size() << " syllabes" << Qt::endl;
    return kSortieReussie;
}
